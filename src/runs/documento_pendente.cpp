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

QString DocumentoPendente::texto() const {
    if (vazio()) return {};
    QJsonArray jsonIds;
    for (const std::int32_t id : ids) jsonIds.append(id);
    const QJsonObject o{{QStringLiteral("tipoDocumento"), tipoDocumento},
                        {QStringLiteral("agencia"), agencia},
                        {QStringLiteral("conta"), conta},
                        {QStringLiteral("referencia"), referencia},
                        {QStringLiteral("ids"), jsonIds},
                        {QStringLiteral("linhas"), QJsonArray::fromStringList(linhas)},
                        {QStringLiteral("valor"), valor},
                        {QStringLiteral("data"), data},
                        {QStringLiteral("ultimoDocumento"), QString::number(ultimoDocumento)}};
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
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
