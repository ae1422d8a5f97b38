#include "host_erp/document_rules.h"

#include "host_erp/host_members.h"
#include "host_erp/host_refusal.h"
#include "platform/automation/conversions.h"

namespace tvx::host_erp {

DocumentType checkDocumentType(sql::Connection& db, const Variant& tipo, int area) {
    const QString codigo = textOf(tipo);
    if (codigo.isEmpty()) refuse(QStringLiteral("O tipo de documento não foi indicado."));
    const auto type = documentType(db, codigo);
    if (!type) refuse(QStringLiteral("O tipo de documento '%1' não existe.").arg(codigo));
    if (!type->activo) refuse(QStringLiteral("O tipo de documento '%1' está inactivo.").arg(type->codigo));
    if (type->areag != area)
        refuse(area == AreaComercial
                   ? QStringLiteral("O tipo de documento '%1' não é um documento comercial de venda.").arg(type->codigo)
                   : QStringLiteral("O tipo de documento '%1' não é um documento financeiro.").arg(type->codigo));
    return *type;
}

std::int16_t checkSeries(sql::Connection& db, const DocumentType& tipo, const Variant& serie) {
    if (serie.isEmpty()) refuse(QStringLiteral("A série do documento não foi indicada."));
    const std::int16_t number = std::int16_t(numberOr(serie, 0));
    const auto found = series(db, tipo.codigo, number);
    if (!found)
        refuse(QStringLiteral("A série %1 não existe para o tipo de documento %2.").arg(number).arg(tipo.codigo));
    if (!found->activa)
        refuse(QStringLiteral("A série %1 do tipo de documento %2 está inactiva.").arg(number).arg(tipo.codigo));
    return number;
}

QString checkSector(sql::Connection& db, const Variant& sector) {
    const QString codigo = textOf(sector);
    if (codigo.isEmpty()) refuse(QStringLiteral("O sector do documento não foi indicado."));
    if (!hasCode(db, QStringLiteral("SECTORES"), codigo))
        refuse(QStringLiteral("O sector '%1' não existe.").arg(codigo));
    return codigo;
}

Customer checkCustomer(sql::Connection& db, const Variant& terceiro) {
    const QString codigo = textOf(terceiro);
    if (codigo.isEmpty()) refuse(QStringLiteral("O cliente do documento não foi indicado."));
    const auto found = customer(db, codigo);
    if (!found) refuse(QStringLiteral("O cliente '%1' não existe.").arg(codigo));
    if (!found->activo) refuse(QStringLiteral("O cliente '%1' está inactivo.").arg(found->codigo));
    return *found;
}

QDate checkDate(const Variant& data) {
    if (data.isEmpty()) refuse(QStringLiteral("A data do documento não foi indicada."));
    return data.asDate().date();
}

std::int16_t checkYear(const Variant& ano, const QDate& data) {
    const std::int16_t year = std::int16_t(data.year());
    if (!ano.isEmpty() && numberOr(ano, 0) != year)
        refuse(QStringLiteral("O ano %1 não corresponde à data do documento (%2).")
                   .arg(numberOr(ano, 0))
                   .arg(formatDate(data)));
    return year;
}

QString checkCurrency(sql::Connection& db, const Variant& moeda) {
    const QString company = companyCurrency(db);
    const QString given = textOf(moeda);
    if (!given.isEmpty() && given.compare(company, Qt::CaseInsensitive) != 0)
        refuse(QStringLiteral("A moeda '%1' não é aceite: os documentos são em %2.").arg(given, company));
    return company;
}

QString checkText(const Variant& member, int maxLength, const QString& memberName) {
    const QString text = textOf(member);
    if (text.size() > maxLength)
        refuse(QStringLiteral("O campo %1 tem mais de %2 caracteres.").arg(memberName).arg(maxLength));
    return text;
}

}  // namespace tvx::host_erp
