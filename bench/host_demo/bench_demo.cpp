#include "host_demo/bench_demo.h"

#include "agency_demo/agency_db.h"
#include "telvarix-host/today_tickets.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryFile>
#include <cstdio>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace tvx::bench {

namespace {

double secondsOf(const rusage& usage) {
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

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
    return secondsOf(usage);
}

Timed runHost(const QStringList& arguments) {
    // Through GNU time, which reports the program's own peak memory: a child
    // spawned from this (large) process would be charged this process's
    // peak as well. CPU seconds are read here (wait4: the child and its own).
    QTemporaryFile peak;
    if (!peak.open()) throw std::runtime_error("cannot make a file for the host's peak memory");
    std::vector<std::string> texts{"/usr/bin/time",      "-f", "%M", "-o", peak.fileName().toStdString(),
                                   TELVARIX_HOST_PROGRAM};
    for (const QString& a : arguments) texts.push_back(a.toStdString());
    std::vector<char*> argv;
    for (std::string& t : texts) argv.push_back(t.data());
    argv.push_back(nullptr);
    QTemporaryFile errors;
    if (!errors.open()) throw std::runtime_error("cannot make a file for the host's error output");
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&files, errors.handle(), 2);
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &files, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&files);
    if (spawned != 0) throw std::runtime_error("cannot start " + texts[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    // The last line: GNU time writes a line of its own before it when the program fails.
    const QList<QByteArray> lines = peak.readAll().trimmed().split('\n');
    const Timed t{double(timer.nsecsElapsed()) / 1e9, secondsOf(usage), WIFEXITED(status) ? WEXITSTATUS(status) : -1,
                  lines.last().trimmed().toLong()};
    if (t.exitCode != 0) std::fprintf(stderr, "%s\n", errors.readAll().constData());
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

Timed BenchDemo::run(const char* operation, const QStringList& more) const {
    return runHost(QStringList{QStringLiteral("run"), QStringLiteral("--base"), options_.base,
                               QStringLiteral("--company"), options_.company, QStringLiteral("--user"),
                               options_.logon.login, QStringLiteral("--operation"), QString::fromLatin1(operation)} +
                   more);
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
