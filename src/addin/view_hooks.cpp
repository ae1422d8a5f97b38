// The hooks of the host's purchase and sales views. Three of the sales
// view's do work; the others are there because the host calls them.
#include "addin/addin_runs.h"
#include "addin/automation_objects.h"
#include "addin/entry_point.h"
#include "addin/host_api/doc_comercial.h"
#include "addin/solucao.h"
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
        const auto rs = DalComandos::HlpDb_ParametrosGet();
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
        const auto rs = DalComandos::HlpDb_ParametrosGet();
        const QString sTipoFactura = CStr(requireObject(rs).value(QStringLiteral("FATTIPODOCUM")));
        const auto cab = requireObject(objectAs<DocComercial>(oApi)).Cab();
        const QString sTipoDocumento = CStr(requireObject(cab).TipoDocumento());
        if (UCase(sTipoFactura) != UCase(sTipoDocumento)) return;
        runs_->pDocComerciaActualizaOrigem(*this, sTipoDocumento, CLng(cab->NossoNoDocumento()), CInt(cab->Serie()),
                                           CInt(cab->Ano()));
    });
}

// clang-format off
void Solucao::OnVistaComprasAbrir(Variant&, Variant&, Variant&, Variant&) { pHookVazio(QStringLiteral("OnVistaComprasAbrir")); }
void Solucao::OnVistaComprasAntesAbrir(Variant&, Variant&, Variant&, Variant&) { pHookVazio(QStringLiteral("OnVistaComprasAntesAbrir")); }
void Solucao::OnVistaComprasAntesDeAnular(Variant&, Variant&, Variant&, Variant&) { pHookVazio(QStringLiteral("OnVistaComprasAntesDeAnular")); }
void Solucao::OnVistaComprasAntesDeFechar(Variant&, Variant&, Variant&, Variant&) { pHookVazio(QStringLiteral("OnVistaComprasAntesDeFechar")); }
void Solucao::OnVistaComprasAntesDeGravar(Variant&, Variant&, Variant&, Variant&) { pHookVazio(QStringLiteral("OnVistaComprasAntesDeGravar")); }
void Solucao::OnVistaComprasAnular(Variant&, Variant&, Variant&) { pHookVazio(QStringLiteral("OnVistaComprasAnular")); }
void Solucao::OnVistaComprasFechar(Variant&, Variant&, Variant&) { pHookVazio(QStringLiteral("OnVistaComprasFechar")); }
void Solucao::OnVistaComprasGravar(Variant&, Variant&, Variant&) { pHookVazio(QStringLiteral("OnVistaComprasGravar")); }
void Solucao::OnVistaComprasLer(Variant&, Variant&, Variant&) { pHookVazio(QStringLiteral("OnVistaComprasLer")); }
void Solucao::OnVistaComprasLimpar(Variant&, Variant&, Variant&) { pHookVazio(QStringLiteral("OnVistaComprasLimpar")); }
void Solucao::OnVistaComprasOperacao(Variant&, Variant&, Variant&, Variant&, Variant&) { pHookVazio(QStringLiteral("OnVistaComprasOperacao")); }
void Solucao::OnVistaComprasValidarLinha(Variant&, Variant&, Variant&, Variant&) { pHookVazio(QStringLiteral("OnVistaComprasValidarLinha")); }
void Solucao::OnVistaComprasCampoCabecalhoValidar(Variant&, Variant&, Variant&, Variant&) { pHookVazio(QStringLiteral("OnVistaComprasCampoCabecalhoValidar")); }
void Solucao::OnVistaComprasCampoLinhasValidar(Variant&, Variant&, Variant&, Variant&) { pHookVazio(QStringLiteral("OnVistaComprasCampoLinhasValidar")); }
void Solucao::OnVistaVendasAntesAbrir(Variant&, Variant&, Variant&, Variant&) { pHookVazio(QStringLiteral("OnVistaVendasAntesAbrir")); }
void Solucao::OnVistaVendasAntesDeAnular(Variant&, Variant&, Variant&, Variant&) { pHookVazio(QStringLiteral("OnVistaVendasAntesDeAnular")); }
void Solucao::OnVistaVendasAntesDeFechar(Variant&, Variant&, Variant&, Variant&) { pHookVazio(QStringLiteral("OnVistaVendasAntesDeFechar")); }
void Solucao::OnVistaVendasAntesDeGravar(Variant&, Variant&, Variant&, Variant&) { pHookVazio(QStringLiteral("OnVistaVendasAntesDeGravar")); }
void Solucao::OnVistaVendasAnular(Variant&, Variant&, Variant&) { pHookVazio(QStringLiteral("OnVistaVendasAnular")); }
void Solucao::OnVistaVendasLer(Variant&, Variant&, Variant&) { pHookVazio(QStringLiteral("OnVistaVendasLer")); }
void Solucao::OnVistaVendasLimpar(Variant&, Variant&, Variant&) { pHookVazio(QStringLiteral("OnVistaVendasLimpar")); }
void Solucao::OnVistaVendasOperacao(Variant&, Variant&, Variant&, Variant&, Variant&) { pHookVazio(QStringLiteral("OnVistaVendasOperacao")); }
void Solucao::OnVistaVendasValidarLinha(Variant&, Variant&, Variant&, Variant&) { pHookVazio(QStringLiteral("OnVistaVendasValidarLinha")); }
void Solucao::OnVistaVendasCampoCabecalhoValidar(Variant&, Variant&, Variant&, Variant&) { pHookVazio(QStringLiteral("OnVistaVendasCampoCabecalhoValidar")); }
void Solucao::OnVistaVendasCampoLinhasValidar(Variant&, Variant&, Variant&, Variant&) { pHookVazio(QStringLiteral("OnVistaVendasCampoLinhasValidar")); }
// clang-format on

}  // namespace tvx::addin
