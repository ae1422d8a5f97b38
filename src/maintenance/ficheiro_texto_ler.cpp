#include "maintenance/ficheiro_texto_ler.h"

#include "platform/automation/automation_error.h"
#include "platform/profile/profile_encoding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace tvx {

namespace {

// A file cut short by a crash often ends in a run of NUL characters (its
// length written, its last blocks not): they, and the blanks among them, end
// the text. A NUL anywhere else is no text of a script; it is refused, by
// line and column, before anything is sent.
QString semNulos(QString texto) {
    qsizetype fim = texto.size();
    while (fim > 0 && (texto[fim - 1] == QChar(u'\0') || texto[fim - 1].isSpace())) --fim;
    texto = texto.left(fim) + texto.mid(fim).remove(QChar(u'\0'));
    if (const qsizetype nulo = texto.indexOf(QChar(u'\0')); nulo >= 0) {
        const qsizetype inicioLinha = texto.lastIndexOf(u'\n', nulo) + 1;
        err::raise(err::InvalidCall,
                   QStringLiteral("O ficheiro tem um carácter nulo na linha %1, coluna %2.")
                       .arg(texto.left(nulo).count(u'\n') + 1)
                       .arg(nulo - inicioLinha + 1),
                   QString());
    }
    return texto;
}

}  // namespace

void pFicheiroTextoLer(const QString& sFicheiro, QString& sTexto) {
    // The add-in's paths separate folders with a backslash.
    const QFileInfo info(QString(sFicheiro).replace(u'\\', u'/'));
    if (!info.dir().exists()) err::raise(err::PathNotFound);
    if (!info.isFile()) err::raise(err::FileNotFound);
    QFile ficheiro(info.filePath());
    if (!ficheiro.open(QIODevice::ReadOnly)) err::raise(err::PermissionDenied);
    QString sConteudo = semNulos(decodeProfile(ficheiro.readAll()).text);
    QTextStream stream(&sConteudo, QIODevice::ReadOnly);
    QString texto;
    while (!stream.atEnd()) texto += QStringLiteral("\r\n") + stream.readLine();
    sTexto = texto;
}

}  // namespace tvx
