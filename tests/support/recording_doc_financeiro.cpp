#include "support/recording_doc_financeiro.h"

#include "support/recording_finance_session.h"
#include "support/recording_linha_doc_financeiro.h"

namespace tvx::testing {

RecordingDocFinanceiro::RecordingDocFinanceiro(RecordingFinanceSession& s, const QString& nome)
    : Membros(s.journal, nome),
      s_(s),
      cab_(std::make_shared<RecordingCabDocFinanceiro>(s.journal, nome + QStringLiteral(".Cab"),
                                                       &s.script.membrosRecusados)) {}

std::int32_t RecordingDocFinanceiro::AdicionaLinha(std::shared_ptr<LinhaDocFinanceiro>& oLinha) {
    const auto* linha = dynamic_cast<RecordingLinhaDocFinanceiro*>(oLinha.get());
    log(QStringLiteral("AdicionaLinha(%1)").arg(linha ? linha->nome() : QStringLiteral("?")));
    return 0;
}

std::int32_t RecordingDocFinanceiro::Validar() {
    log(QStringLiteral("Validar"));
    if (s_.script.validar.empty()) return 0;
    const std::int32_t answer = s_.script.validar.front();
    s_.script.validar.pop_front();
    return answer;
}

std::int32_t RecordingDocFinanceiro::Inserir() {
    log(QStringLiteral("Inserir"));
    if (s_.script.inserir != 0) return s_.script.inserir;
    cab_->setQuietly("NumeroDocumento", Variant(s_.script.proximoNumero++));
    ++s_.recibosInseridos;
    return 0;
}

std::int32_t RecordingDocFinanceiro::Ler(Variant& sTipoDoc, Variant& lNumero, Variant& iSerie, Variant& iAno) {
    log(QStringLiteral("Ler(%1,%2,%3,%4)")
            .arg(debugText(sTipoDoc), debugText(lNumero), debugText(iSerie), debugText(iAno)));
    return 0;
}

std::int32_t RecordingDocFinanceiro::Remover() {
    log(QStringLiteral("Remover"));
    return 0;
}

QString RecordingDocFinanceiro::UltimaMensagem() { return s_.script.ultimaMensagem; }

}  // namespace tvx::testing
