#include "maintenance/ficheiro_texto_ler.h"

#include "platform/automation/automation_error.h"
#include "platform/profile/profile_encoding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace tvx {

void pFicheiroTextoLer(const QString& sFicheiro, QString& sTexto) {
    // The add-in's paths separate folders with a backslash.
    const QFileInfo info(QString(sFicheiro).replace(u'\\', u'/'));
    if (!info.dir().exists()) err::raise(err::PathNotFound);
    if (!info.isFile()) err::raise(err::FileNotFound);
    QFile ficheiro(info.filePath());
    if (!ficheiro.open(QIODevice::ReadOnly)) err::raise(err::PermissionDenied);
    QString sConteudo = decodeProfile(ficheiro.readAll()).text;
    QTextStream stream(&sConteudo, QIODevice::ReadOnly);
    QString texto;
    while (!stream.atEnd()) texto += QStringLiteral("\r\n") + stream.readLine();
    sTexto = texto;
}

}  // namespace tvx
