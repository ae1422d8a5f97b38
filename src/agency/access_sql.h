#pragma once
// The texts the agency source sends to the Access file: its connection string,
// the two selections and the three updates. Kept apart so that they can be
// checked character for character.
#include <QDate>
#include <QString>
#include <cstdint>

namespace tvx::access_sql {

// "Provider=Microsoft.ACE.OLEDB.12.0;Data Source='<file>';Persist Security Info=False;",
// an apostrophe in the path doubled so that the quoted value keeps it.
QString connectionString(const QString& sDataSource);

// Billing-period code of a date's weekday: Sunday "DOM", Monday "SEG", … Saturday "SAB".
QString codigoDiaSemana(const QDate& date);

// The ticket selection for the periods "DIA" and `codigoDia`.
QString selectTktIssued(const QString& codigoDia);
// The pending transfer selection.
QString selectExtratosBancos();

// The updates, with the quotes of every spliced text value doubled.
QString updateTktIssued(std::int32_t id, const QString& sFactura);
QString updateMovBancarioComRecibo(std::int32_t id, const QString& sRecibo);
QString updateTktIssuedFacturaFinalizada(const QString& sRefFact, const QString& sCliente, const QString& sFactura);

}  // namespace tvx::access_sql
