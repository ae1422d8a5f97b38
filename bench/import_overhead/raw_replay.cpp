#include "raw_replay.h"

#include <unistd.h>
#include <QDateTime>
#include <QElapsedTimer>
#include <QSysInfo>
#include <set>
#include <stdexcept>

namespace tvx::bench {

namespace {

const QString kClock = QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzzZ");

QString now() { return QDateTime::currentDateTimeUtc().toString(kClock); }

std::string insertOf(const char* table, QStringList columns) {
    const QString names = u'"' + columns.join(QStringLiteral("\", \"")) + u'"';
    QStringList marks;
    for (qsizetype i = 0; i < columns.size(); ++i) marks << QStringLiteral("?");
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(QLatin1String(table), names, marks.join(u','))
        .toStdString();
}

// The run lock's row, held by this process as the run holds it.
class RunLockRow {
public:
    explicit RunLockRow(SqliteDb& db)
        : db_(db),
          station_(QSysInfo::machineHostName()),
          pid_(::getpid()),
          inFlight_(db.prepare("UPDATE qrl_EXECUCOES SET FACTURA_PENDENTE = ?, BATIMENTO = ? WHERE RECURSO = "
                               "'EMPRESA' AND ESTACAO = ? AND PROCESSO = ? AND ARRANQUE = 0")) {}

    void take() {
        db_.exec(
            "INSERT INTO qrl_EXECUCOES (RECURSO, ESTACAO, PROCESSO, ARRANQUE, OPERACAO, INICIO, BATIMENTO, "
            "FACTURA_PENDENTE, RECIBO_PENDENTE) VALUES ('EMPRESA', '', 0, 0, 0, '', '', '', '')");
        const QString at = now();
        db_.prepare(
               "UPDATE qrl_EXECUCOES SET ESTACAO = ?, PROCESSO = ?, ARRANQUE = 0, OPERACAO = 1000, INICIO = ?, "
               "BATIMENTO = ? WHERE RECURSO = 'EMPRESA' AND ESTACAO = '' AND PROCESSO = 0 AND BATIMENTO = ''")
            ->bind(1, station_)
            .bind(2, pid_)
            .bind(3, at)
            .bind(4, at)
            .run();
        expectOneRow();
    }
    // Without a sync of its own: the document's commit that follows syncs the log.
    void record(const QString& inFlight) {
        db_.exec("PRAGMA synchronous = NORMAL");
        inFlight_->bind(1, inFlight).bind(2, now()).bind(3, station_).bind(4, pid_).run();
        expectOneRow();
        db_.exec("PRAGMA synchronous = FULL");
    }
    void release() {
        db_.prepare(
               "UPDATE qrl_EXECUCOES SET ESTACAO = '', PROCESSO = 0, ARRANQUE = 0, OPERACAO = 0, INICIO = '', "
               "BATIMENTO = '', FACTURA_PENDENTE = '' WHERE RECURSO = 'EMPRESA' AND ESTACAO = ? AND PROCESSO = ? "
               "AND ARRANQUE = 0")
            ->bind(1, station_)
            .bind(2, pid_)
            .run();
        expectOneRow();
    }

private:
    void expectOneRow() const {
        if (db_.changes() != 1) throw std::runtime_error("the replay lost its run lock row");
    }

    SqliteDb& db_;
    QString station_;
    qint64 pid_;
    std::unique_ptr<Statement> inFlight_;
};

}  // namespace

Timed rawReplay(const ReplayPlan& plan, const QString& companyFile, const QString& agencyFile, InFlight inFlight) {
    const double cpuBefore = cpuSeconds();
    QElapsedTimer timer;
    timer.start();
    {
        SqliteDb company(companyFile);
        SqliteDb agency(agencyFile);
        company.exec("PRAGMA foreign_keys = ON; PRAGMA synchronous = FULL;");
        company.exec(plan.createExecucoes);
        RunLockRow lock(company);
        lock.take();

        const auto counter = company.prepare(
            "INSERT OR IGNORE INTO NUMERACAO (TIPODOC, SERIE, ANO, ULTIMONUM, ULTIMOPREP) VALUES (?, ?, ?, 0, 0)");
        const auto number = company.prepare(
            "UPDATE NUMERACAO SET ULTIMOPREP = ULTIMOPREP + 1 WHERE TIPODOC = ? AND SERIE = ? AND ANO = ?");
        const auto header = company.prepare(insertOf("DOCGCCAB", plan.headerColumns));
        const auto line =
            company.prepare(insertOf("DOCGCLIN", QStringList{QStringLiteral("IDCAB")} + plan.lineColumns));
        const auto mark = agency.prepare("UPDATE \"TKT Issued\" SET Factura = ? WHERE ID = ?");
        std::set<std::tuple<QString, qint64, qint64>> counters;

        for (const ReplayInvoice& invoice : plan.invoices) {
            if (inFlight == InFlight::Deferred) lock.record(invoice.inFlight);

            company.exec("BEGIN IMMEDIATE");
            if (counters.emplace(invoice.tipo, invoice.serie, invoice.ano).second)
                counter->bind(1, invoice.tipo).bind(2, invoice.serie).bind(3, invoice.ano).run();
            number->bind(1, invoice.tipo).bind(2, invoice.serie).bind(3, invoice.ano).run();
            for (std::size_t c = 0; c < invoice.header.size(); ++c) header->bind(int(c) + 1, invoice.header[c]);
            header->run();
            const qint64 id = company.lastInsertId();
            for (const auto& values : invoice.lines) {
                line->bind(1, id);
                for (std::size_t c = 0; c < values.size(); ++c) line->bind(int(c) + 2, values[c]);
                line->run();
            }
            company.exec("COMMIT");

            agency.exec("BEGIN IMMEDIATE");
            for (const std::int32_t ticket : invoice.tickets) mark->bind(1, invoice.marker).bind(2, ticket).run();
            agency.exec("COMMIT");
        }
        lock.release();
    }
    return {double(timer.nsecsElapsed()) / 1e9, cpuSeconds() - cpuBefore, 0};
}

}  // namespace tvx::bench
