#include "telvarix-host/host_sales_view.h"

#include "host_api/doc_comercial.h"
#include "host_api/sessao_api.h"
#include "platform/automation/automation_error.h"
#include "platform/automation/conversions.h"
#include "telvarix-host/addin_object.h"
#include "telvarix-host/host_session.h"

namespace tvx::host_app {

HostSalesView::HostSalesView(AddinObject& addin, HostSession& session, const QString& company, const QString& user)
    : addin_(addin),
      document_(session.api().DocComercial()),
      oApi_(ObjectRef(document_)),
      vEmpresa_(company),
      vUtilizador_(user) {
    addin_.call(QStringLiteral("OnVistaVendasAbrir"), {Variant(), oApi_, vEmpresa_, vUtilizador_, Variant(false)});
    open_ = true;
}

HostSalesView::~HostSalesView() {
    if (open_) tryIgnoringError([this] { close(); });
}

HostSalesView::Outcome HostSalesView::finalise(const host_erp::DocumentKey& key) {
    Variant ano(key.ano), tipo(key.tipo), serie(key.serie), numero(key.numero);
    if (document_->Finalizar(ano, tipo, serie, numero) != 0) return {false, {}, document_->UltimaMensagem()};
    Outcome saved{true, CStr(document_->Cab()->NossoNoDocumento()), {}};
    addin_.call(QStringLiteral("OnVistaVendasGravar"), {oApi_, vEmpresa_, vUtilizador_});
    return saved;
}

void HostSalesView::close() {
    open_ = false;
    addin_.call(QStringLiteral("OnVistaVendasFechar"), {oApi_, vEmpresa_, vUtilizador_});
}

}  // namespace tvx::host_app
