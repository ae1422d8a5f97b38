#include "pg_replay.h"

#include "replay_plan.h"
#include "sqlite_db.h"

#include <unistd.h>
#include <QDateTime>
#include <QElapsedTimer>
#include <QSysInfo>
#include <map>
#include <set>
#include <stdexcept>

namespace tvx::bench {

namespace {

std::vector<std::string> columnsOf(PgDb& db, const char* table, const std::set<std::string>& without) {
    std::vector<std::string> columns;
    for (const PgRow& row : db.rows("SELECT attname FROM pg_attribute WHERE attrelid = $1::regclass AND attnum > 0 "
                                    "AND NOT attisdropped ORDER BY attnum",
                                    {std::string(table)}))
        if (!without.contains(*row[0])) columns.push_back(*row[0]);
    return columns;
}

std::string joined(const std::vector<std::string>& names, const char* separator = ", ") {
    std::string out;
    for (const std::string& n : names) out += (out.empty() ? "" : separator) + ('"' + n + '"');
    return out;
}

std::string insertOf(const char* table, const std::vector<std::string>& columns, const char* returning = "") {
    std::string marks;
    for (std::size_t i = 1; i <= columns.size(); ++i) marks += (i > 1 ? ", $" : "$") + std::to_string(i);
    return std::string("INSERT INTO ") + table + " (" + joined(columns) + ") VALUES (" + marks + ")" + returning;
}

QString text(const PgValue& v) { return v ? QString::fromStdString(*v) : QString(); }

std::size_t indexOf(const std::vector<std::string>& columns, const char* name) {
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (columns[i] == name) return i;
    throw std::runtime_error(std::string("no column ") + name);
}

QString now() { return QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzzZ")); }

}  // namespace

std::vector<std::string> tableTexts(PgDb& db, const std::string& table, const std::string& order) {
    std::vector<std::string> out;
    for (const PgRow& row : db.rows("SELECT t::text FROM " + table + " t ORDER BY " + order)) out.push_back(*row[0]);
    return out;
}

PgReplayPlan readPgReplayPlan(PgDb& run, PgDb& copy, const QString& runAgency, const QString& copyAgency) {
    PgReplayPlan plan;
    const auto create = run.rows(
        "SELECT 'CREATE TABLE qrl_execucoes (' || string_agg(quote_ident(attname) || ' ' || format_type(atttypid, "
        "atttypmod) || CASE WHEN attnotnull THEN ' NOT NULL' ELSE '' END, ', ' ORDER BY attnum) || ', PRIMARY KEY "
        "(recurso))' FROM pg_attribute WHERE attrelid = 'qrl_execucoes'::regclass AND attnum > 0 AND NOT "
        "attisdropped");
    plan.createExecucoes = *create.at(0).at(0);
    plan.headerColumns = columnsOf(run, "docgccab", {"id"});
    plan.lineColumns = columnsOf(run, "docgclin", {"id", "idcab"});
    const std::size_t tipo = indexOf(plan.headerColumns, "tpdoc"), serie = indexOf(plan.headerColumns, "serie"),
                      ano = indexOf(plan.headerColumns, "ano"), numero = indexOf(plan.headerColumns, "nnumdoc"),
                      terceiro = indexOf(plan.headerColumns, "terceiro"),
                      vossoNumero = indexOf(plan.headerColumns, "vossondoc"),
                      descricao = indexOf(plan.lineColumns, "descricao");

    const PgValue firstNew = copy.rows("SELECT COALESCE(MAX(id), 0) + 1 FROM docgccab").at(0).at(0);
    std::map<QString, std::size_t> byMarker;
    std::map<std::string, std::size_t> byId;
    for (PgRow& row : run.rows("SELECT " + joined(plan.headerColumns) + ", id FROM docgccab WHERE id >= $1 ORDER BY id",
                               {firstNew})) {
        PgReplayInvoice invoice;
        byId[*row.back()] = plan.invoices.size();
        row.pop_back();
        invoice.counter = {row[tipo], row[serie], row[ano]};
        byMarker[QStringLiteral("Tumo Vesk-%1 %2/%3/%4")
                     .arg(text(row[tipo]), text(row[numero]), text(row[serie]), text(row[ano]))] = plan.invoices.size();
        invoice.header = std::move(row);
        plan.invoices.push_back(std::move(invoice));
    }
    for (PgRow& row :
         run.rows("SELECT " + joined(plan.lineColumns) + ", idcab FROM docgclin WHERE idcab >= $1 ORDER BY idcab, id",
                  {firstNew})) {
        const std::size_t invoice = byId.at(*row.back());
        row.pop_back();
        plan.invoices[invoice].lines.push_back(std::move(row));
    }

    for (const MarkedTicket& ticket : newlyMarkedTickets(runAgency, copyAgency, byMarker)) {
        plan.invoices[ticket.invoice].tickets.push_back(ticket.id);
        plan.invoices[ticket.invoice].marker = ticket.marker;
    }
    for (PgReplayInvoice& invoice : plan.invoices) {
        QStringList texts;
        for (const PgRow& line : invoice.lines) texts << text(line[descricao]);
        invoice.inFlight = inFlightRecord(text(invoice.header[tipo]), copyAgency, text(invoice.header[terceiro]),
                                          text(invoice.header[vossoNumero]), invoice.tickets, texts);
    }
    return plan;
}

Timed pgReplay(const PgReplayPlan& plan, const QString& server, const QString& copy, const QString& copyAgency) {
    const double cpuBefore = cpuSeconds();
    QElapsedTimer timer;
    timer.start();
    {
        PgDb company(server, copy);
        SqliteDb agency(copyAgency);
        company.exec(plan.createExecucoes);
        const std::string station = QSysInfo::machineHostName().toStdString();
        const std::string pid = std::to_string(::getpid());
        long changed = 0;
        company.exec(
            "INSERT INTO qrl_execucoes (recurso, estacao, processo, arranque, operacao, inicio, batimento, "
            "factura_pendente, recibo_pendente) VALUES ('EMPRESA', '', 0, 0, 0, '', '', '', '')");
        const std::string at = now().toStdString();
        company.prepare("take",
                        "UPDATE qrl_execucoes SET estacao = $1, processo = $2, arranque = 0, operacao = 1000, "
                        "inicio = $3, batimento = $3 WHERE recurso = 'EMPRESA' AND estacao = '' AND processo = 0 "
                        "AND batimento = ''");
        company.run("take", {station, pid, at}, &changed);
        if (changed != 1) throw std::runtime_error("the replay did not take its run lock");
        company.prepare("record",
                        "UPDATE qrl_execucoes SET factura_pendente = $1, batimento = $2 WHERE recurso = 'EMPRESA' "
                        "AND estacao = $3 AND processo = $4 AND arranque = 0");
        company.prepare("counter",
                        "INSERT INTO numeracao (tipodoc, serie, ano, ultimonum, ultimoprep) VALUES ($1, $2, $3, 0, "
                        "0) ON CONFLICT DO NOTHING");
        company.prepare("number",
                        "UPDATE numeracao SET ultimoprep = ultimoprep + 1 WHERE tipodoc = $1 AND serie = $2 AND "
                        "ano = $3");
        company.prepare("header", insertOf("docgccab", plan.headerColumns, " RETURNING id"));
        std::vector<std::string> lineColumns{"idcab"};
        lineColumns.insert(lineColumns.end(), plan.lineColumns.begin(), plan.lineColumns.end());
        company.prepare("line", insertOf("docgclin", lineColumns));
        const auto mark = agency.prepare("UPDATE \"TKT Issued\" SET Factura = ? WHERE ID = ?");
        std::set<PgRow> counters;

        for (const PgReplayInvoice& invoice : plan.invoices) {
            // As the run writes it: a transaction of its own, committed without waiting for the log's flush.
            company.exec("BEGIN; SET LOCAL synchronous_commit = off");
            company.run("record", {invoice.inFlight.toStdString(), now().toStdString(), station, pid}, &changed);
            if (changed != 1) throw std::runtime_error("the replay lost its run lock");
            company.exec("COMMIT");

            company.exec("BEGIN");
            if (counters.insert(invoice.counter).second) company.run("counter", invoice.counter);
            company.run("number", invoice.counter);
            const PgValue id = company.run("header", invoice.header).at(0).at(0);
            for (const PgRow& values : invoice.lines) {
                PgRow line{id};
                line.insert(line.end(), values.begin(), values.end());
                company.run("line", line);
            }
            company.exec("COMMIT");

            agency.exec("BEGIN IMMEDIATE");
            for (const std::int32_t ticket : invoice.tickets) mark->bind(1, invoice.marker).bind(2, ticket).run();
            agency.exec("COMMIT");
        }
        company.exec(
            "UPDATE qrl_execucoes SET estacao = '', processo = 0, arranque = 0, operacao = 0, inicio = '', "
            "batimento = '', factura_pendente = '' WHERE recurso = 'EMPRESA' AND estacao = '" +
            station + "' AND processo = " + pid);
    }
    return {double(timer.nsecsElapsed()) / 1e9, cpuSeconds() - cpuBefore, 0};
}

}  // namespace tvx::bench
