#pragma once
// The SQL texts the database helpers send, composed exactly as the company
// database expects them (line breaks are CR LF).
#include <QString>
#include <cstdint>

namespace tvx::comandos_sql {

inline const QString CrLf = QStringLiteral("\r\n");

QString parametrosExisteQuery();
QString parametrosCreateStatement();
QString parametrosGetQuery();
// select + from, then "WHERE   " + where and "ORDER BY   " + order when given.
QString listQuery(const QString& select, const QString& from, const QString& where, const QString& orderBy);
QString clienteByCodQuery(const QString& codigo);
QString docGcCabByKeyQuery(const QString& tipoDoc, std::int32_t numero, std::int16_t ano, std::int16_t serie);

}  // namespace tvx::comandos_sql
