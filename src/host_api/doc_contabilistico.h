#pragma once
// The host's accounting entry of a document already in the host.
#include "host_api/doc_comercial.h"
#include "host_api/doc_financeiro.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace tvx {

class DocContabilistico : public AutomationObject {
public:
    // The document the entry is for: a commercial one (area "COM") or a financial one (area "FIN").
    virtual void DocumentoComercial(const std::shared_ptr<DocComercial>& oDoc) = 0;
    virtual void DocumentoFinanceiro(const std::shared_ptr<DocFinanceiro>& oDoc) = 0;
    virtual std::int32_t Validar() = 0;
    virtual std::int32_t Inserir() = 0;
    virtual QString UltimaMensagem() = 0;
};

}  // namespace tvx
