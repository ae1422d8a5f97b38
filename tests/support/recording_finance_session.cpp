#include "support/recording_finance_session.h"

#include "support/recording_doc_contabilistico.h"
#include "support/recording_doc_financeiro.h"
#include "support/recording_linha_doc_financeiro.h"

namespace tvx::testing {

std::shared_ptr<tvx::DocFinanceiro> RecordingFinanceSession::DocFinanceiro() {
    return std::make_shared<RecordingDocFinanceiro>(*this, QStringLiteral("F%1").arg(++docs_));
}

std::shared_ptr<tvx::LinhaDocFinanceiro> RecordingFinanceSession::LinhaDocFinanceiro() {
    return std::make_shared<RecordingLinhaDocFinanceiro>(journal, QStringLiteral("L%1").arg(++linhas_));
}

std::shared_ptr<tvx::DocContabilistico> RecordingFinanceSession::DocContabilistico() {
    if (script.semDocContabilistico) return nullptr;
    return std::make_shared<RecordingDocContabilistico>(*this, QStringLiteral("C%1").arg(++ctbs_));
}

QStringList RecordingFinanceSession::entries(const QString& prefix) const {
    QStringList found;
    for (const QString& e : journal)
        if (e.startsWith(prefix)) found << e;
    return found;
}

}  // namespace tvx::testing
