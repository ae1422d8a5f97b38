#include "e2e/demo_files.h"

#include "e2e/host_process.h"
#include "platform/ado/recordset.h"
#include "platform/automation/conversions.h"
#include "platform/sql/connection.h"
#include "telvarix-host/company_layout.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>
#include <stdexcept>

namespace tvx::testing {

namespace {

// Runs `sql` on the file and hands the query to `read`.
template <class F>
void onFile(const QString& path, const QString& sql, bool readOnly, F&& read) {
    const QString name = QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (readOnly) db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open()) throw std::runtime_error(db.lastError().text().toStdString());
        QSqlQuery query(db);
        if (!query.exec(sql)) throw std::runtime_error((query.lastError().text() + u' ' + sql).toStdString());
        read(query);
    }
    QSqlDatabase::removeDatabase(name);
}

}  // namespace

void execute(const QString& path, const QString& sql) {
    onFile(path, sql, false, [](QSqlQuery&) {});
}

std::vector<std::vector<QVariant>> rows(const QString& path, const QString& sql) {
    std::vector<std::vector<QVariant>> result;
    onFile(path, sql, true, [&](QSqlQuery& query) {
        while (query.next()) {
            std::vector<QVariant> row;
            for (int i = 0; i < query.record().count(); ++i) row.push_back(query.value(i));
            result.push_back(std::move(row));
        }
    });
    return result;
}

namespace {

std::vector<QVariant> firstOfEach(const std::vector<std::vector<QVariant>>& rows) {
    std::vector<QVariant> values;
    for (const auto& row : rows) values.push_back(row.front());
    return values;
}

QVariant firstOrInvalid(const std::vector<QVariant>& values) { return values.empty() ? QVariant() : values.front(); }

}  // namespace

std::vector<QVariant> column(const QString& path, const QString& sql) { return firstOfEach(rows(path, sql)); }

QVariant scalar(const QString& path, const QString& sql) { return firstOrInvalid(column(path, sql)); }

namespace {

// The company database on its server, in the server's own SQL.
std::unique_ptr<sql::Connection> onServer(const DemoFolder& demo) {
    return sql::Connection::openPostgres({demo.server, demo.company.toLower(), {}, {}}, nullptr);
}

QVariant toQVariant(const Variant& v) {
    if (v.isNull() || v.isEmpty()) return {};
    if (!v.isNumeric()) return CStr(v);
    const double d = CDbl(v);
    return d == double(qint64(d)) ? QVariant(qint64(d)) : QVariant(d);
}

}  // namespace

std::vector<std::vector<QVariant>> companyRows(const DemoFolder& demo, const QString& sql) {
    if (demo.server.isEmpty()) return rows(demo.companyDatabase(), sql);
    std::vector<std::vector<QVariant>> result;
    const auto db = onServer(demo);
    for (auto rs = db->Query(sql); rs->State() == ado::adStateOpen && !rs->Eof(); rs->MoveNext()) {
        std::vector<QVariant> row;
        for (int i = 0; i < rs->Fields().Count(); ++i) row.push_back(toQVariant(rs->value(i)));
        result.push_back(std::move(row));
    }
    return result;
}

std::vector<QVariant> companyColumn(const DemoFolder& demo, const QString& sql) {
    return firstOfEach(companyRows(demo, sql));
}

QVariant companyScalar(const DemoFolder& demo, const QString& sql) { return firstOrInvalid(companyColumn(demo, sql)); }

void companyExecute(const DemoFolder& demo, const QString& sql) {
    if (demo.server.isEmpty()) return execute(demo.companyDatabase(), sql);
    onServer(demo)->Execute(sql);
}

QString DemoFolder::agency() const { return host_app::CompanyLayout(base, company).agencyDatabase(); }
QString DemoFolder::companyDatabase() const { return host_app::CompanyLayout(base, company).companyDatabase(); }
QString DemoFolder::settingsFile() const { return host_app::CompanyLayout(base, company).settingsFile(); }

std::vector<Ticket> tickets(const DemoFolder& demo) {
    std::vector<Ticket> result;
    for (const auto& row : rows(demo.agency(), QStringLiteral("SELECT ID, Ref_Faturacao, Account, Factura "
                                                              "FROM [TKT Issued] ORDER BY ID")))
        result.push_back({row[0].toInt(), row[1].toString(), row[2].toString(), row[3]});
    return result;
}

DemoFolder setupDemo(const QString& base, int ticketCount, Backend backend, int transfers, const QString& company) {
    const DemoFolder demo{base, company, serverAddress(backend)};
    QStringList arguments{QStringLiteral("setup-demo"),
                          QStringLiteral("--base"),
                          base,
                          QStringLiteral("--company"),
                          demo.company,
                          QStringLiteral("--tickets"),
                          QString::number(ticketCount),
                          QStringLiteral("--transfers"),
                          QString::number(transfers)};
    if (!demo.server.isEmpty()) {
        // The suites of a program share its server: the previous test's company goes.
        sql::Connection::openPostgres({demo.server, QStringLiteral("postgres"), {}, {}}, nullptr)
            ->Execute(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(demo.company.toLower()));
        arguments << QStringLiteral("--server") << demo.server;
    }
    const HostRun run = runHost(arguments);
    if (run.exitCode != 0) throw std::runtime_error(run.err.toStdString());
    return demo;
}

}  // namespace tvx::testing
