#include "pg_db.h"

#include <libpq-fe.h>
#include <stdexcept>

namespace tvx::bench {

namespace {

std::vector<const char*> pointersOf(const PgRow& values) {
    std::vector<const char*> pointers;
    for (const PgValue& v : values) pointers.push_back(v ? v->c_str() : nullptr);
    return pointers;
}

}  // namespace

PgDb::PgDb(const QString& server, const QString& database) {
    const QByteArray uri = server.toUtf8();
    const QByteArray name = database.toUtf8();
    const char* keys[] = {"dbname", "dbname", nullptr};
    const char* values[] = {uri.constData(), name.constData(), nullptr};
    conn_ = PQconnectdbParams(keys, values, 1);  // the URI first, the database's name over it
    if (PQstatus(conn_) != CONNECTION_OK) {
        const std::string message = PQerrorMessage(conn_);
        PQfinish(conn_);
        throw std::runtime_error("cannot connect to " + name.toStdString() + ": " + message);
    }
}

PgDb::~PgDb() { PQfinish(conn_); }

std::vector<PgRow> PgDb::take(PGresult* r, long* changed) {
    const ExecStatusType status = PQresultStatus(r);
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
        const std::string message = PQresultErrorMessage(r);
        PQclear(r);
        throw std::runtime_error(message);
    }
    std::vector<PgRow> out;
    for (int row = 0; row < PQntuples(r); ++row) {
        PgRow values;
        for (int c = 0; c < PQnfields(r); ++c)
            values.push_back(PQgetisnull(r, row, c) ? PgValue() : PgValue(PQgetvalue(r, row, c)));
        out.push_back(std::move(values));
    }
    if (changed) *changed = std::atol(PQcmdTuples(r));
    PQclear(r);
    return out;
}

void PgDb::exec(const std::string& sql) { take(PQexec(conn_, sql.c_str()), nullptr); }

void PgDb::prepare(const std::string& name, const std::string& sql) {
    take(PQprepare(conn_, name.c_str(), sql.c_str(), 0, nullptr), nullptr);
}

std::vector<PgRow> PgDb::run(const std::string& name, const PgRow& values, long* changed) {
    const auto pointers = pointersOf(values);
    return take(PQexecPrepared(conn_, name.c_str(), int(pointers.size()), pointers.data(), nullptr, nullptr, 0),
                changed);
}

std::vector<PgRow> PgDb::rows(const std::string& sql, const PgRow& values) {
    const auto pointers = pointersOf(values);
    return take(PQexecParams(conn_, sql.c_str(), int(pointers.size()), nullptr, pointers.data(), nullptr, nullptr, 0),
                nullptr);
}

}  // namespace tvx::bench
