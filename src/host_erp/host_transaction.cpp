#include "host_erp/host_transaction.h"

#include "platform/automation/automation_error.h"
#include "platform/sql/connection.h"

namespace tvx::host_erp {

HostTransaction::HostTransaction(sql::Connection& db) : db_(db) { db_.BeginTrans(); }

HostTransaction::~HostTransaction() {
    if (open_) tryIgnoringError([this] { db_.RollbackTrans(); });
}

void HostTransaction::commit() {
    db_.CommitTrans();
    open_ = false;
}

}  // namespace tvx::host_erp
