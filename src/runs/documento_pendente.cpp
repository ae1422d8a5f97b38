#include "runs/documento_pendente.h"

#include "platform/automation/automation_error.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tvx {

QString idsTexto(const std::vector<std::int32_t>& ids) {
    QStringList textos;
    for (const std::int32_t id : ids) textos << QString::number(id);
    return textos.join(QStringLiteral(", "));
}

namespace {

// `text` as a JSON string, in the form QJsonDocument writes it: quote,
// backslash and control characters escaped, everything else as it stands.
void appendJson(QString& out, const QString& text) {
    static constexpr char hex[] = "0123456789abcdef";
    out += u'"';
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'"' || u == u'\\') {
            out += u'\\';
            out += c;
        } else if (u >= 0x20) {
            out += c;
        } else if (u == u'\b' || u == u'\f' || u == u'\n' || u == u'\r' || u == u'\t') {
            out += u'\\';
            out += QLatin1Char(u == u'\b' ? 'b' : u == u'\f' ? 'f' : u == u'\n' ? 'n' : u == u'\r' ? 'r' : 't');
        } else {
            out += QLatin1String("\\u00");
            out += QLatin1Char(hex[u >> 4]);
            out += QLatin1Char(hex[u & 0xf]);
        }
    }
    out += u'"';
}

void appendJsonField(QString& out, const char* name, const QString& value) {
    out += QLatin1String(out.size() > 1 ? ",\"" : "\"") + QLatin1String(name) + QLatin1String("\":");
    appendJson(out, value);
}

}  // namespace

// Written by hand: one record per document a run stores, where a JSON
// document object cost more than the rest of the record's write.
QString DocumentoPendente::texto() const {
    if (vazio()) return {};
    QString out;
    out.reserve(160 + 40 * linhas.size());
    out += u'{';
    appendJsonField(out, "agencia", agencia);
    appendJsonField(out, "conta", conta);
    appendJsonField(out, "data", data);
    out += QLatin1String(",\"ids\":[");
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (i > 0) out += u',';
        out += QString::number(ids[i]);
    }
    out += QLatin1String("],\"linhas\":[");
    for (qsizetype i = 0; i < linhas.size(); ++i) {
        if (i > 0) out += u',';
        appendJson(out, linhas[i]);
    }
    out += u']';
    appendJsonField(out, "referencia", referencia);
    appendJsonField(out, "tipoDocumento", tipoDocumento);
    appendJsonField(out, "ultimoDocumento", QString::number(ultimoDocumento));
    appendJsonField(out, "valor", valor);
    out += u'}';
    return out;
}

DocumentoPendente DocumentoPendente::deTexto(const QString& texto) {
    DocumentoPendente p;
    if (texto.trimmed().isEmpty()) return p;
    const QJsonDocument doc = QJsonDocument::fromJson(texto.toUtf8());
    if (!doc.isObject()) err::raise(err::TypeMismatch, QStringLiteral("DocumentoPendente"));
    const QJsonObject o = doc.object();
    p.tipoDocumento = o.value(QStringLiteral("tipoDocumento")).toString();
    p.agencia = o.value(QStringLiteral("agencia")).toString();
    p.conta = o.value(QStringLiteral("conta")).toString();
    p.referencia = o.value(QStringLiteral("referencia")).toString();
    for (const QJsonValue& id : o.value(QStringLiteral("ids")).toArray()) p.ids.push_back(id.toInt());
    for (const QJsonValue& linha : o.value(QStringLiteral("linhas")).toArray()) p.linhas << linha.toString();
    p.valor = o.value(QStringLiteral("valor")).toString();
    p.data = o.value(QStringLiteral("data")).toString();
    p.ultimoDocumento = o.value(QStringLiteral("ultimoDocumento")).toString().toLongLong();
    return p;
}

}  // namespace tvx
