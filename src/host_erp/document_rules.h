#pragma once
// The header rules that commercial and financial documents share. Each
// check reads one member and either gives its value in the host's terms or
// refuses (host_refusal.h) with the text UltimaMensagem shows.
#include "host_erp/host_catalogue.h"
#include "platform/automation/variant.h"

#include <QDate>
#include <QString>
#include <cstdint>

namespace tvx::sql {
class Connection;
}

namespace tvx::host_erp {

// The document type: known, active and of `area` (AreaComercial or AreaFinanceira).
DocumentType checkDocumentType(sql::Connection& db, const Variant& tipo, int area);
// A series of that type, active.
std::int16_t checkSeries(sql::Connection& db, const DocumentType& tipo, const Variant& serie);
QString checkSector(sql::Connection& db, const Variant& sector);
// An active customer.
Customer checkCustomer(sql::Connection& db, const Variant& terceiro);
QDate checkDate(const Variant& data);
// The year of the document: the year of its date; a year the caller set must be that one.
std::int16_t checkYear(const Variant& ano, const QDate& data);
// The company's currency; a currency the caller set must be that one.
QString checkCurrency(sql::Connection& db, const Variant& moeda);
// The text of a member, refused when longer than its column holds.
QString checkText(const Variant& member, int maxLength, const QString& memberName);

}  // namespace tvx::host_erp
