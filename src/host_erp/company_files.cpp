#include "host_erp/company_files.h"

#include "platform/automation/automation_error.h"

#include <QDir>

namespace tvx::host_erp {

namespace {

bool isPlain(char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-'; }

}  // namespace

QString encodedName(const QString& name) {
    QString out;
    for (const char byte : name.trimmed().toLower().toUtf8()) {
        if (isPlain(byte))
            out += QLatin1Char(byte);
        else
            out += QStringLiteral("~%1").arg(unsigned(static_cast<unsigned char>(byte)), 2, 16, QChar(u'0')).toUpper();
    }
    return out;
}

QString serverFolderName(const QString& server) {
    QString name = server.trimmed().toLower();
    const qsizetype slash = name.indexOf(u'\\');
    const QString host = slash < 0 ? name : name.left(slash);
    const QString instance = slash < 0 ? QString() : name.mid(slash);
    if (host == u"(local)" || host == u"." || host == u"localhost" || host == u"127.0.0.1")
        name = QStringLiteral("local") + instance;
    return encodedName(name);
}

QString companyFilePath(const QString& base, const QString& server, const QString& catalogue) {
    if (server.trimmed().isEmpty() || catalogue.trimmed().isEmpty())
        throw AutomationError(err::InvalidCall,
                              QStringLiteral("A company database needs a server and a catalogue name."),
                              QStringLiteral("Tumo Vesk"));
    return QDir(base).filePath(
        QStringLiteral("companies/%1/%2.db").arg(serverFolderName(server), encodedName(catalogue)));
}

}  // namespace tvx::host_erp
