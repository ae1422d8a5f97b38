// The in-flight record's text: written by hand, it must stay the JSON object
// Qt writes, and read back whole, whatever the agency's texts hold.
#include "runs/documento_pendente.h"

#include <gtest/gtest.h>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tvx {
namespace {

QString asQtWritesIt(const DocumentoPendente& p) {
    QJsonArray ids;
    for (const std::int32_t id : p.ids) ids.append(id);
    const QJsonObject o{{QStringLiteral("tipoDocumento"), p.tipoDocumento},
                        {QStringLiteral("agencia"), p.agencia},
                        {QStringLiteral("conta"), p.conta},
                        {QStringLiteral("referencia"), p.referencia},
                        {QStringLiteral("ids"), ids},
                        {QStringLiteral("linhas"), QJsonArray::fromStringList(p.linhas)},
                        {QStringLiteral("valor"), p.valor},
                        {QStringLiteral("data"), p.data},
                        {QStringLiteral("ultimoDocumento"), QString::number(p.ultimoDocumento)}};
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

TEST(DocumentoPendente, TextIsQtsCompactJsonAndReadsBack) {
    QString controls;
    for (char16_t u = 0; u < 0x20; ++u) controls += QChar(u);
    const DocumentoPendente p{.tipoDocumento = QStringLiteral("FT"),
                              .agencia = QStringLiteral("/dados/agência \"norte\"\\copia.accdb"),
                              .conta = QStringLiteral("C'001") + controls,
                              .referencia = QStringLiteral("REF/7 \u00e9\u20ac \U0001F6EB\u007f"),
                              .ids = {7, -8, 2147483647},
                              .linhas = {QStringLiteral("Bilhete Nº 1"), QString(), QStringLiteral("a\tb\nc")},
                              .valor = QStringLiteral("1.234,50"),
                              .data = QStringLiteral("08-12-2026"),
                              .ultimoDocumento = -9007199254740993LL};
    EXPECT_EQ(p.texto(), asQtWritesIt(p));
    EXPECT_EQ(DocumentoPendente::deTexto(p.texto()), p);
    EXPECT_EQ(DocumentoPendente{}.texto(), QString());
}

}  // namespace
}  // namespace tvx
