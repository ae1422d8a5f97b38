#include "runs/process_identity.h"

#include <QFile>
#include <QSysInfo>

#include <unistd.h>

namespace tvx {

namespace {

// The start time of a process (field 22 of /proc/<pid>/stat), 0 when there is
// no such process. The command name in field 2 may hold blanks and brackets:
// the fields are counted from its closing bracket.
std::int64_t startOf(std::int64_t pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return 0;
    const QByteArray text = stat.readAll();
    const qsizetype close = text.lastIndexOf(')');
    if (close < 0) return 0;
    const QList<QByteArray> fields = text.mid(close + 2).split(' ');
    // fields[0] is field 3 (the state): field 22 is fields[19]; a zombie has exited.
    if (fields.size() < 20 || fields[0] == "Z") return 0;
    return fields[19].toLongLong();
}

}  // namespace

ProcessIdentity ProcessIdentity::current() {
    const std::int64_t pid = ::getpid();
    return {QSysInfo::machineHostName(), pid, startOf(pid)};
}

bool ProcessIdentity::isRunning(const ProcessIdentity& p) {
    if (p.pid <= 0) return false;
    const std::int64_t start = startOf(p.pid);
    return start != 0 && start == p.arranque;
}

}  // namespace tvx
