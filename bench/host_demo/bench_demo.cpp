#include "host_demo/bench_demo.h"

#include "agency_demo/agency_db.h"
#include "telvarix-host/today_tickets.h"

#include <sys/resource.h>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <cstdio>
#include <sstream>
#include <stdexcept>

namespace tvx::bench {

namespace {

host_app::DemoOptions optionsFor(const QString& base, int tickets, int transfers, const QString& server) {
    host_app::DemoOptions options;
    options.server = server;
    options.base = base;
    options.company = QStringLiteral("BENCH");
    options.tickets = tickets;
    options.transfers = transfers;
    return options;
}

}  // namespace

double cpuSeconds(bool children) {
    rusage usage{};
    getrusage(children ? RUSAGE_CHILDREN : RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

Timed runHost(const QStringList& arguments) {
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    const double cpuBefore = cpuSeconds(true);
    QElapsedTimer timer;
    timer.start();
    process.start(QStringLiteral(TELVARIX_HOST_PROGRAM), arguments);
    process.waitForFinished(-1);
    const Timed t{double(timer.nsecsElapsed()) / 1e9, cpuSeconds(true) - cpuBefore,
                  process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1};
    if (t.exitCode != 0) std::fprintf(stderr, "%s\n", process.readAllStandardError().constData());
    return t;
}

BenchDemo::BenchDemo(int tickets, int transfers, const QString& server)
    : options_(optionsFor(dir_.path(), tickets, transfers, server)), report_(setUp()) {}

host_app::DemoReport BenchDemo::setUp() {
    QElapsedTimer timer;
    timer.start();
    std::ostringstream shown;
    host_app::DemoReport report = host_app::setupDemo(options_, shown);
    setupSeconds_ = double(timer.nsecsElapsed()) / 1e9;
    return report;
}

Timed BenchDemo::run(const char* operation) const {
    return runHost({QStringLiteral("run"), QStringLiteral("--base"), options_.base, QStringLiteral("--company"),
                    options_.company, QStringLiteral("--user"), options_.logon.login, QStringLiteral("--operation"),
                    QString::fromLatin1(operation)});
}

int BenchDemo::agencyCount(const QString& sql) const {
    agency::AgencyDb db = agency::AgencyDb::open(report_.layout.agencyDatabase());
    return db.column(sql).at(0).toInt();
}

int BenchDemo::ticketsLeftToday() const {
    agency::AgencyDb db = agency::AgencyDb::open(report_.layout.agencyDatabase());
    return host_app::ticketsToInvoice(db, QDate::currentDate());
}

void BenchDemo::copyInto(const QString& folder) const {
    const QDir from(options_.base);
    const QDir to(folder);
    QDirIterator files(options_.base, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target = to.filePath(from.relativeFilePath(source));
        if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(source, target))
            throw std::runtime_error("cannot copy " + source.toStdString() + " to " + target.toStdString());
    }
}

}  // namespace tvx::bench
