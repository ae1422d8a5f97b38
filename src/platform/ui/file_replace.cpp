#include "platform/ui/file_replace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tvx {

namespace {

QString freshPathBeside(const QString& target) {
    const QFileInfo info(target);
    QString candidate;
    do {
        const QString tag = QUuid::createUuid().toString(QUuid::Id128).left(8);
        candidate = info.dir().filePath(QStringLiteral("~") + tag + QStringLiteral("-") + info.fileName());
    } while (QFileInfo::exists(candidate));
    return candidate;
}

}  // namespace

AutomationError fileWriteError(const QString& path, const QString& reason) {
    return AutomationError(err::PathFileAccess,
                           QStringLiteral("Não foi possível gravar o ficheiro %1: %2").arg(path, reason));
}

void replaceFileWith(const QString& target, const std::function<void(const QString& freshPath)>& write) {
    const QString fresh = freshPathBeside(target);
    try {
        write(fresh);
    } catch (...) {
        QFile::remove(fresh);
        throw;
    }
    // rename() replaces an existing target in one step.
    if (std::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(target).constData()) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(fresh);
        throw fileWriteError(target, reason);
    }
}

}  // namespace tvx
