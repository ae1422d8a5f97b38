#include "support/recording_doc_contabilistico.h"

#include "support/recording_doc_financeiro.h"
#include "support/recording_finance_session.h"

namespace tvx::testing {

RecordingDocContabilistico::RecordingDocContabilistico(RecordingFinanceSession& s, const QString& nome)
    : Membros(s.journal, nome), s_(s) {}

void RecordingDocContabilistico::DocumentoComercial(const std::shared_ptr<tvx::DocComercial>&) {
    log(QStringLiteral("DocumentoComercial"));
}

void RecordingDocContabilistico::DocumentoFinanceiro(const std::shared_ptr<tvx::DocFinanceiro>& oDoc) {
    const auto* doc = dynamic_cast<RecordingDocFinanceiro*>(oDoc.get());
    log(QStringLiteral("DocumentoFinanceiro(%1)").arg(doc ? doc->nome() : QStringLiteral("?")));
}

std::int32_t RecordingDocContabilistico::Validar() {
    log(QStringLiteral("Validar"));
    return s_.script.ctbValidar;
}

std::int32_t RecordingDocContabilistico::Inserir() {
    log(QStringLiteral("Inserir"));
    return s_.script.ctbInserir;
}

QString RecordingDocContabilistico::UltimaMensagem() { return s_.script.ctbMensagem; }

}  // namespace tvx::testing
