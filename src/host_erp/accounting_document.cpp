#include "host_erp/accounting_document.h"

#include "host_erp/accounting_store.h"
#include "host_erp/commercial_document.h"
#include "host_erp/financial_document.h"
#include "host_erp/host_refusal.h"
#include "host_erp/host_transaction.h"
#include "platform/automation/clock.h"

namespace tvx::host_erp {

sql::Connection& AccountingDocument::db() const { return companyDatabase(*session_); }

void AccountingDocument::build(qint64 id, const std::function<AccountingEntry(sql::Connection&, qint64)>& entryOf) {
    entry_.reset();
    refusal_.clear();
    if (id == 0) {
        refusal_ = QStringLiteral("O documento indicado não está gravado na empresa.");
        return;
    }
    try {
        entry_ = entryOf(db(), id);
    } catch (const Refusal& r) {
        refusal_ = r.message;
    }
}

void AccountingDocument::DocumentoComercial(const std::shared_ptr<DocComercial>& oDoc) {
    const auto doc = std::dynamic_pointer_cast<CommercialDocument>(oDoc);
    build(doc ? doc->stored().id : 0, commercialEntry);
}

void AccountingDocument::DocumentoFinanceiro(const std::shared_ptr<DocFinanceiro>& oDoc) {
    const auto doc = std::dynamic_pointer_cast<FinancialDocument>(oDoc);
    build(doc ? doc->stored().id : 0, financialEntry);
}

const AccountingEntry& AccountingDocument::checkedEntry() {
    if (!entry_) refuse(refusal_.isEmpty() ? QStringLiteral("Não foi indicado o documento a lançar.") : refusal_);
    if (hasEntry(db(), entry_->area, entry_->key))
        refuse(QStringLiteral("O documento %1 já tem lançamento contabilístico.").arg(describe(entry_->key)));
    return *entry_;
}

std::int32_t AccountingDocument::Validar() {
    return answer(message_, [&] {
        sondar(*session_, "AccountingDocument.Validar");
        checkedEntry();
    });
}

std::int32_t AccountingDocument::Inserir() {
    return answer(message_, [&] {
        sondar(*session_, "AccountingDocument.Inserir");
        sql::Connection& database = db();
        HostTransaction transaction(database);
        insertEntry(database, checkedEntry(), clock().now());
        transaction.commit();
    });
}

}  // namespace tvx::host_erp
