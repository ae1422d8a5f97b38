#pragma once
// An accounting entry that journals every call ("C1.DocumentoFinanceiro(F2)",
// "C1.Validar") and answers from its session's script.
#include "host_api/doc_contabilistico.h"
#include "support/membros.h"

namespace tvx::testing {

class RecordingFinanceSession;

class RecordingDocContabilistico : public DocContabilistico, public Membros {
public:
    RecordingDocContabilistico(RecordingFinanceSession& s, const QString& nome);
    void DocumentoComercial(const std::shared_ptr<tvx::DocComercial>&) override;
    void DocumentoFinanceiro(const std::shared_ptr<tvx::DocFinanceiro>& oDoc) override;
    std::int32_t Validar() override;
    std::int32_t Inserir() override;
    QString UltimaMensagem() override;

private:
    RecordingFinanceSession& s_;
};

}  // namespace tvx::testing
