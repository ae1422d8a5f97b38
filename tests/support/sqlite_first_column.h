#pragma once
// Test-side reads of an SQLite file with SQL of the test's own: the first
// column of every row a statement gives, as text ("" for NULL), or nothing
// when the file cannot be opened or the statement fails.
#include <QStringList>

namespace tvx::testing {

QStringList sqliteFirstColumn(const QString& file, const QString& sql);

}  // namespace tvx::testing
