#include "platform/sql/sql_identifier.h"

namespace tvx::sql {

QString quotedIdentifier(const QString& name) {
    return u'"' + (name.contains(u'"') ? QString(name).replace(u'"', QStringLiteral("\"\"")) : name) + u'"';
}

}  // namespace tvx::sql
