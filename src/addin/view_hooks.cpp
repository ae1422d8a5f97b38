// The hooks of the host's purchase and sales views. Three of the sales
// view's do work; the others are there because the host calls them.
#include "addin/addin_runs.h"
#include "addin/automation_objects.h"
#include "addin/entry_point.h"
#include "addin/solucao.h"
#include "host_api/doc_comercial.h"
#include "platform/ado/recordset.h"
#include "platform/automation/conversions.h"
#include "settings/dal_comandos.h"

namespace tvx::addin {

void Solucao::pHookVazio(const QString& sHook) {
    runEntryPoint(ui_->messages(), sHook, [] {});
}

void Solucao::OnVistaVendasAbrir(Variant&, Variant&, Variant&, Variant&, Variant&) {
    runEntryPoint(ui_->messages(), QStringLiteral("OnVistaVendasAbrir"), [&] {
        m_.m_Origem.reset();
        m_.m_Origem = createObject<OrigemDados>(AccessProgId);
        const auto rs = m_.m_Comandos.HlpDb_ParametrosGet();
        const QString sBdNome = CStr(requireObject(rs).value(QStringLiteral("BDNOME")));
        // The view's source opens without user and password, whatever the row holds.
        m_.m_Origem->ConnectionOpen(sBdNome, QString(), QString());
    });
}

void Solucao::OnVistaVendasFechar(Variant&, Variant&, Variant&) {
    // Silent: closing a view never opened, or a source already gone, is fine.
    tryIgnoringError([&] { requireObject(m_.m_Origem).ConnectionClose(); });
}

void Solucao::OnVistaVendasGravar(Variant& oApi, Variant&, Variant&) {
    runEntryPoint(ui_->messages(), QStringLiteral("OnVistaVendasGravar"), [&] {
        if (isNothing(oApi)) return;
        const auto rs = m_.m_Comandos.HlpDb_ParametrosGet();
        const QString sTipoFactura = CStr(requireObject(rs).value(QStringLiteral("FATTIPODOCUM")));
        const auto cab = requireObject(objectAs<DocComercial>(oApi)).Cab();
        const QString sTipoDocumento = CStr(requireObject(cab).TipoDocumento());
        if (UCase(sTipoFactura) != UCase(sTipoDocumento)) return;
        runs_->pDocComerciaActualizaOrigem(*this, sTipoDocumento, CLng(cab->NossoNoDocumento()), CInt(cab->Serie()),
                                           CInt(cab->Ano()));
    });
}

// The hooks without work of their own: the entry convention alone.
#define TVX_EMPTY_HOOK_W(name, params)
#define TVX_EMPTY_HOOK_E(name, params) \
    void Solucao::name TVX_HOOK_PARAMS_##params { pHookVazio(QStringLiteral(#name)); }
#define TVX_EMPTY_HOOK(name, params, work) TVX_EMPTY_HOOK_##work(name, params)
TVX_VIEW_HOOKS(TVX_EMPTY_HOOK)
#undef TVX_EMPTY_HOOK
#undef TVX_EMPTY_HOOK_E
#undef TVX_EMPTY_HOOK_W

}  // namespace tvx::addin
