#pragma once
// DocContabilistico of the stand-in host: the journal entry of a document
// already stored (accounting_entry.h). DocumentoComercial and
// DocumentoFinanceiro take the document object (read or inserted) and build
// its entry at once; Validar answers whether that worked and the document
// has no entry yet; Inserir checks the same again and stores the entry, in
// one transaction.
#include "host_api/doc_contabilistico.h"
#include "host_erp/accounting_entry.h"
#include "host_erp/session_state.h"

#include <functional>
#include <optional>

namespace tvx::host_erp {

class AccountingDocument : public DocContabilistico {
public:
    explicit AccountingDocument(std::shared_ptr<SessionState> session) : session_(std::move(session)) {}

    void DocumentoComercial(const std::shared_ptr<DocComercial>& oDoc) override;
    void DocumentoFinanceiro(const std::shared_ptr<DocFinanceiro>& oDoc) override;
    std::int32_t Validar() override;
    std::int32_t Inserir() override;
    QString UltimaMensagem() override { return message_; }

private:
    sql::Connection& db() const;
    // Builds the entry of stored document `id` (0: the object holds none).
    void build(qint64 id, const std::function<AccountingEntry(sql::Connection&, qint64)>& entryOf);
    const AccountingEntry& checkedEntry();

    std::shared_ptr<SessionState> session_;
    std::optional<AccountingEntry> entry_;
    QString refusal_;  // why there is no entry
    QString message_;
};

}  // namespace tvx::host_erp
