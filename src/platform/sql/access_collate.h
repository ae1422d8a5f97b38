#pragma once
// Where the Access dialect gives text comparisons the ACCESSTEXT collation,
// so that they ignore case as Access does. A COLLATE is appended (outside
// literals, comments and quoted names, which the lexer keeps whole):
// - after a string literal beside a comparison sign (= == <> != < <= > >=):
//   [Serviço]='EMI' COLLATE ACCESSTEXT;
// - after the left operand of IN (…) when the list holds a string literal,
//   and of BETWEEN 'a' AND …: [Pagamento] COLLATE ACCESSTEXT IN ('CAS', …);
// - after each ORDER BY term: ORDER BY [Ref_Faturacao] COLLATE ACCESSTEXT, …
// A place that already names a collation is left as it is. A collation only
// changes how two texts compare: numbers and dates compare and sort as before,
// and a literal in a SET assignment is stored as it is. Two columns compared
// with each other keep SQLite's rule: lexically nothing tells text columns
// from the numeric keys that joins compare, whose indexes must stay usable.
#include "platform/sql/sql_lexer.h"

namespace tvx::sql {

void collateTextComparisons(const TokenList& tokens, TextEdits& edits);

}  // namespace tvx::sql
