#include "telvarix-host/gui/host_log.h"

#include <QDateTime>
#include <QFile>
#include <cstdio>

namespace tvx::host_gui {

namespace {

QString& logPath() {
    static QString path;
    return path;
}

const char* levelOf(QtMsgType type) {
    switch (type) {
        case QtDebugMsg:
            return "debug";
        case QtInfoMsg:
            return "info";
        case QtWarningMsg:
            return "warning";
        case QtCriticalMsg:
            return "critical";
        case QtFatalMsg:
            return "fatal";
    }
    return "?";
}

void writeMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    const QString line =
        QStringLiteral("%1 %2: %3\n")
            .arg(QDateTime::currentDateTime().toString(Qt::ISODate), QLatin1String(levelOf(type)), message);
    QFile file(logPath());
    if (file.open(QIODevice::Append | QIODevice::Text)) file.write(line.toUtf8());
    if (type == QtCriticalMsg || type == QtFatalMsg || !file.isOpen())
        std::fputs(line.toLocal8Bit().constData(), stderr);
}

}  // namespace

void logQtMessagesTo(const QString& logFile) {
    logPath() = logFile;
    qInstallMessageHandler(writeMessage);
}

}  // namespace tvx::host_gui
