#pragma once
// The host's sales document view, as far as the add-in takes part in it:
// the view lists the documents in preparation and finalises one at the
// user's request. Finalising is the view's save: the document is read,
// handed to the before-save hook (which may cancel), finalised, and the
// saved document (its header showing type, final number, series and year)
// handed to the save hook; the host program connects these to the add-in's
// OnVistaVendasAntesDeGravar and OnVistaVendasGravar. An error a hook raises
// after the save leaves the save done.
#include "host_api/sessao_api.h"
#include "host_erp/document_key.h"

#include <functional>
#include <memory>
#include <vector>

namespace tvx::host_erp {

class SalesView {
public:
    using BeforeSaveHook = std::function<void(std::shared_ptr<DocComercial>& oApi, bool& cancel)>;
    using SaveHook = std::function<void(std::shared_ptr<DocComercial>& oApi)>;

    explicit SalesView(std::shared_ptr<SessaoApi> session) : session_(std::move(session)) {}

    void onBeforeSave(BeforeSaveHook hook) { beforeSave_ = std::move(hook); }
    void onSave(SaveHook hook) { save_ = std::move(hook); }

    // The sales documents in preparation, of type `tipo` when one is given,
    // in the order they were stored.
    std::vector<DocumentKey> emPreparacao(const QString& tipo = {}) const;
    // Finalises the document in preparation `key`; 0 when it was saved,
    // otherwise 1 with the reason in ultimaMensagem (the host's refusal, or
    // the cancel of the before-save hook). `saved` receives the saved document.
    std::int32_t finalizar(const DocumentKey& key, std::shared_ptr<DocComercial>* saved = nullptr);
    const QString& ultimaMensagem() const { return message_; }

private:
    std::shared_ptr<SessaoApi> session_;
    BeforeSaveHook beforeSave_;
    SaveHook save_;
    QString message_;
};

}  // namespace tvx::host_erp
