#pragma once
// The host's sales view with the add-in taking part, as the host calls it:
// OnVistaVendasAbrir when the view opens, OnVistaVendasGravar after each
// invoice the host finalises and saves, OnVistaVendasFechar when the view
// closes. The view's commercial document is the hooks' oApi. The batch
// command sales-view and the GUI's sales view window both go through here.
#include "host_erp/document_key.h"
#include "platform/automation/variant.h"

#include <QString>
#include <memory>

namespace tvx {
class DocComercial;
}

namespace tvx::host_app {

class AddinObject;
class HostSession;

class HostSalesView {
public:
    // Opens the view: OnVistaVendasAbrir.
    HostSalesView(AddinObject& addin, HostSession& session, const QString& company, const QString& user);
    // Closes the view when close() was not called, dropping the hook's error.
    ~HostSalesView();
    HostSalesView(const HostSalesView&) = delete;
    HostSalesView& operator=(const HostSalesView&) = delete;

    struct Outcome {
        bool saved = false;
        QString number;   // saved: the invoice's final number
        QString refusal;  // not saved: the host's reason
    };
    // Finalises the invoice in preparation `key` and, once the host saved it,
    // calls OnVistaVendasGravar.
    Outcome finalise(const host_erp::DocumentKey& key);
    // OnVistaVendasFechar; its error is raised.
    void close();

private:
    AddinObject& addin_;
    std::shared_ptr<DocComercial> document_;
    Variant oApi_;
    Variant vEmpresa_;
    Variant vUtilizador_;
    bool open_ = false;
};

}  // namespace tvx::host_app
