#include "platform/sql/connection.h"

#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "platform/sql/access_dialect.h"
#include "platform/sql/connection_backend.h"
#include "platform/sql/connection_string.h"
#include "platform/sql/sql_dialect.h"

namespace tvx::sql {

namespace {

const QString kSource = QStringLiteral("Connection");

bool isAccessProvider(const QString& provider) {
    return provider.startsWith(u"Microsoft.ACE.OLEDB", Qt::CaseInsensitive) ||
           provider.startsWith(u"Microsoft.Jet.OLEDB", Qt::CaseInsensitive);
}

QString dataSource(const ConnectionString& cs) {
    const QString path = cs.value(u"Data Source");
    if (path.isEmpty())
        throw AutomationError(err::Unspecified, QStringLiteral("The connection string names no Data Source."), kSource);
    return path;
}

}  // namespace

Connection::Connection(std::unique_ptr<ConnectionBackend> backend) : backend_(std::move(backend)) {}

Connection::~Connection() {
    if (inTransaction_) tryIgnoringError([this] { backend_->rollback(); });
}

std::unique_ptr<Connection> Connection::open(const QString& connectionString, const ConnectionOptions& options) {
    const ConnectionString cs = ConnectionString::parse(connectionString);
    if (cs.has(u"Driver")) return std::unique_ptr<Connection>(new Connection(odbcBackend(connectionString)));
    const QString provider = cs.value(u"Provider");
    if (isAccessProvider(provider)) return openSqlite(dataSource(cs), std::make_shared<AccessDialect>(), options);
    if (provider.compare(u"SQLite", Qt::CaseInsensitive) == 0)
        return openSqlite(dataSource(cs), std::make_shared<NativeDialect>(), options);
    err::raise(err::ProviderNotFound, kSource);
}

std::unique_ptr<Connection> Connection::openSqlite(const QString& path, std::shared_ptr<const SqlDialect> dialect,
                                                   const ConnectionOptions& options) {
    return std::unique_ptr<Connection>(new Connection(sqliteBackend(path, std::move(dialect), options.busyTimeoutMs)));
}

std::unique_ptr<Connection> Connection::openPostgres(const ServerLogin& login,
                                                     std::shared_ptr<const SqlDialect> dialect,
                                                     const ConnectionOptions& options) {
    if (!dialect) dialect = std::make_shared<NativeDialect>();
    return std::unique_ptr<Connection>(new Connection(postgresBackend(login, std::move(dialect), options)));
}

ConnectionBackend& Connection::backend() const {
    if (!backend_) err::raise(err::ObjectClosed, kSource);
    return *backend_;
}

void Connection::Close() {
    backend();
    if (inTransaction_) tryIgnoringError([this] { backend_->rollback(); });
    inTransaction_ = false;
    attachments_.clear();
    backend_.reset();
}

qint64 Connection::Execute(const QString& sql, const std::vector<Variant>& parameters) {
    return backend().execute(sql, parameters);
}

qint64 Connection::ExecuteDeferred(const QString& sql, const std::vector<Variant>& parameters) {
    if (inTransaction_) return backend().execute(sql, parameters);
    return backend().executeDeferred(sql, parameters);
}

std::shared_ptr<ado::Recordset> Connection::Query(const QString& sql, const std::vector<Variant>& parameters) {
    return backend().query(sql, parameters);
}

quint64 Connection::ownWrites(const QString& table) const { return backend().ownWrites(table); }

qint64 Connection::othersCommits() { return backend().othersCommits(); }

void Connection::WriteBack(ado::Recordset& rs) { backend().writeBack(rs); }

void Connection::BeginTrans() {
    if (inTransaction_) err::raise(err::NotAllowedInContext, kSource);
    backend().begin();
    inTransaction_ = true;
}

void Connection::CommitTrans() {
    if (!inTransaction_) err::raise(err::NotAllowedInContext, kSource);
    backend().commit();
    inTransaction_ = false;
}

void Connection::RollbackTrans() {
    if (!inTransaction_) err::raise(err::NotAllowedInContext, kSource);
    inTransaction_ = false;
    backend().rollback();
}

sqlite3* Connection::sqliteHandle() const { return backend_ ? backend_->sqliteHandle() : nullptr; }

bool Connection::isServer() const { return backend_ && backend_->isServer(); }

}  // namespace tvx::sql
