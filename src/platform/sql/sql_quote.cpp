#include "platform/sql/sql_quote.h"

#include "platform/automation/automation_error.h"

namespace tvx::sql {

QString sqlEscape(const QString& value) {
    // The database reads SQL text only up to a NUL: the literal would be cut
    // there, and what follows it read as SQL.
    if (value.contains(QChar(u'\0')))
        err::raise(err::InvalidCall, QStringLiteral("A text holding a NUL character cannot be written into SQL."),
                   QString());
    return QString(value).replace(u'\'', QStringLiteral("''"));
}

QString sqlQuoted(const QString& value) { return u'\'' + sqlEscape(value) + u'\''; }

QString sqlNQuoted(const QString& value) { return u'N' + sqlQuoted(value); }

}  // namespace tvx::sql
