#include "receipts/doc_contabilistico_insere.h"

#include "platform/automation/automation_error.h"

namespace tvx {

namespace {

// The document as the kind the entry needs; 13 for another kind or Nothing.
template <class T>
std::shared_ptr<T> documentoComo(const ObjectRef& oDoc) {
    auto typed = std::dynamic_pointer_cast<T>(oDoc);
    if (!typed) err::raise(err::TypeMismatch);
    return typed;
}

}  // namespace

bool pDocContabilisticoInsere(SessaoApi& api, const ObjectRef& oDoc, const QString& sModulo, QString& sMensagem) {
    return reraiseAs(QStringLiteral("pDocContabilisticoInsere"), [&] {
        const auto oCtb = api.DocContabilistico();
        if (!oCtb) err::raise(err::ObjectNotSet);
        if (sModulo == ModuloComercial)
            oCtb->DocumentoComercial(documentoComo<DocComercial>(oDoc));
        else if (sModulo == ModuloFinanceiro)
            oCtb->DocumentoFinanceiro(documentoComo<DocFinanceiro>(oDoc));
        if (oCtb->Validar() == 0 && oCtb->Inserir() == 0) return true;
        sMensagem += oCtb->UltimaMensagem();
        return false;
    });
}

}  // namespace tvx
