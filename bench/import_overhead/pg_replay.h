#pragma once
// The writes of a ticket import run on a server, replayed with plain libpq
// into an identical database made before the run: per invoice the in-flight
// UPDATE of qrl_EXECUCOES (its own commit, without waiting for the log's
// flush, as the run commits it), one transaction with the
// NUMERACAO counter, the DOCGCCAB header (its ID given by the server, as the
// run's) and its DOCGCLIN lines, then the agency file's marks as the SQLite
// replay writes them; the run lock's table, taking and release around them.
// Statements prepared once, values sent as the server's own texts, the
// documents' commits synchronous (the host's default). No reads, no host, no
// add-in.
#include "host_demo/bench_demo.h"
#include "pg_db.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace tvx::bench {

struct PgReplayInvoice {
    PgRow header;              // DOCGCCAB, the plan's headerColumns
    std::vector<PgRow> lines;  // DOCGCLIN, the plan's lineColumns
    PgRow counter;             // its NUMERACAO key: TIPODOC, SERIE, ANO
    std::vector<std::int32_t> tickets;
    QString marker;    // their Factura
    QString inFlight;  // the in-flight record written before it is stored
};

struct PgReplayPlan {
    std::string createExecucoes;             // the run lock's table, as the run's database has it
    std::vector<std::string> headerColumns;  // all but ID
    std::vector<std::string> lineColumns;    // all but ID and IDCAB
    std::vector<PgReplayInvoice> invoices;
};

// The invoices and markers the run (`run`, `runAgency`) added that the
// untouched copy (`copy`, `copyAgency`) lacks.
PgReplayPlan readPgReplayPlan(PgDb& run, PgDb& copy, const QString& runAgency, const QString& copyAgency);

// Writes `plan` into database `copy` on `server` and into `copyAgency`;
// the seconds it took, wall and CPU, the connections' opening included.
Timed pgReplay(const PgReplayPlan& plan, const QString& server, const QString& copy, const QString& copyAgency);

// The rows of `table` as texts, in its key's order: equal lists, equal tables.
std::vector<std::string> tableTexts(PgDb& db, const std::string& table, const std::string& order);

}  // namespace tvx::bench
