#pragma once
// One database transaction around a document write: whatever leaves the
// scope before commit() (a refusal, an error) rolls every change back, the
// numbers taken included.
namespace tvx::sql {
class Connection;
}

namespace tvx::host_erp {

class HostTransaction {
public:
    explicit HostTransaction(sql::Connection& db);
    ~HostTransaction();
    HostTransaction(const HostTransaction&) = delete;
    HostTransaction& operator=(const HostTransaction&) = delete;

    void commit();

private:
    sql::Connection& db_;
    bool open_ = true;
};

}  // namespace tvx::host_erp
