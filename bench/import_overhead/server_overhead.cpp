#include "server_overhead.h"

#include "host_demo/bench_demo.h"
#include "pg_replay.h"
#include "replay_plan.h"

#include <sys/stat.h>
#include <QProcess>
#include <cstdio>
#include <stdexcept>

namespace tvx::bench {

namespace {

// Runs scripts/pg-server `action` on `folder`; its error output when it failed.
QString pgServer(const char* action, const QString& folder) {
    QProcess p;
    p.start(QStringLiteral(TELVARIX_SOURCE_DIR "/scripts/pg-server"), {QLatin1String(action), folder});
    p.waitForFinished(-1);
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0
               ? QString()
               : QString::fromUtf8(p.readAllStandardError()) + QStringLiteral("pg-server failed");
}

}  // namespace

BenchServer::BenchServer() {
    chmod(dir_.path().toLocal8Bit().constData(), 0755);  // the server user reaches its socket there
    if (const QString error = pgServer("start", dir_.path()); !error.isEmpty())
        throw std::runtime_error(error.toStdString());
}

BenchServer::~BenchServer() { pgServer("stop", dir_.path()); }

bool BenchServer::benchOverhead(int tickets) const {
    const BenchDemo demo(tickets, 0, uri());
    const QString database = host_app::serverDatabaseName(demo.layout().company);
    const QString raw = database + QStringLiteral("_raw");
    QTemporaryDir copyDir;
    demo.copyInto(copyDir.path());
    const host_app::CompanyLayout copy(copyDir.path(), demo.layout().company);
    PgDb(uri(), QStringLiteral("postgres"))
        .exec(QStringLiteral("CREATE DATABASE %1 TEMPLATE %2").arg(raw, database).toStdString());
    const struct Drop {
        QString server, a, b;
        ~Drop() {
            PgDb server_(server, QStringLiteral("postgres"));
            for (const QString& name : {a, b})
                server_.exec(QStringLiteral("DROP DATABASE %1 WITH (FORCE)").arg(name).toStdString());
        }
    } drop{uri(), database, raw};

    const Timed run = demo.run("1000");
    const int left = demo.ticketsLeftToday();
    if (run.exitCode != 0 || left != 0) {
        std::fprintf(stderr, "ticket import of %d tickets on the server failed: exit %d, %d tickets left\n", tickets,
                     run.exitCode, left);
        return false;
    }
    PgReplayPlan plan;
    {
        PgDb ran(uri(), database), untouched(uri(), raw);
        plan = readPgReplayPlan(ran, untouched, demo.layout().agencyDatabase(), copy.agencyDatabase());
    }
    const Timed replay = pgReplay(plan, uri(), raw, copy.agencyDatabase());

    PgDb ran(uri(), database), replayed(uri(), raw);
    bool same = ticketMarkers(demo.layout().agencyDatabase()) == ticketMarkers(copy.agencyDatabase());
    for (const auto& [table, order] : {std::pair<const char*, const char*>{"docgccab", "id"},
                                       {"docgclin", "id"},
                                       {"numeracao", "tipodoc, serie, ano"}})
        same = same && tableTexts(ran, table, order) == tableTexts(replayed, table, order);
    if (!same) {
        std::fprintf(stderr, "the server replay of %d tickets differs from the run\n", tickets);
        return false;
    }
    const int selected = demo.report().ticketsToInvoice;
    std::printf(
        "%7d tickets (%6d of today, %5zu invoices)  server run %7.2f s (cpu %6.2f s) %6.0f tickets/s  "
        "libpq replay %7.2f s (cpu %6.2f s) %6.0f tickets/s  speed real/raw %4.2f\n",
        tickets, selected, plan.invoices.size(), run.seconds, run.cpuSeconds, selected / run.seconds, replay.seconds,
        replay.cpuSeconds, selected / replay.seconds, replay.seconds / run.seconds);
    std::fflush(stdout);
    return true;
}

}  // namespace tvx::bench
