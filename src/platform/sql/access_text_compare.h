#pragma once
// Text comparison as Access does it: without regard to case, accented letters
// included ("ç" = "Ç"), where SQLite's BINARY counts case and its NOCASE and
// LIKE fold ASCII letters only.
#include <QStringView>
#include <optional>

struct sqlite3;

namespace tvx::sql {

// The collation the Access dialect gives its text comparisons: Unicode case
// folding, then code point order ("a" < "B" < "c", "JOÃO" = "joão").
inline constexpr char AccessTextCollation[] = "ACCESSTEXT";

// SQLite's LIKE rules (% any run, _ one character, an escape character that
// makes the next one plain) with the case folded as the collation folds it.
bool likeMatches(QStringView pattern, QStringView text, std::optional<char32_t> escape = std::nullopt);

// Registers the collation and replaces like(X,Y) and like(X,Y,Z) on `db`;
// raises an AutomationError when SQLite refuses.
void registerAccessTextCompare(sqlite3* db);

}  // namespace tvx::sql
