#include "platform/sql/sql_quote.h"

namespace tvx::sql {

QString sqlEscape(const QString& value) { return QString(value).replace(u'\'', QStringLiteral("''")); }

QString sqlQuoted(const QString& value) { return u'\'' + sqlEscape(value) + u'\''; }

QString sqlNQuoted(const QString& value) { return u'N' + sqlQuoted(value); }

}  // namespace tvx::sql
