#pragma once
// The host's suggestion of a commercial line's values (SugereValoresLin).
// Each of the seven flags asks for one group of values:
//   1 the unit price (the article's price)
//   2 the description (the article's name)
//   3 the VAT type and rate (the article's)
//   4 the discount (0: the host keeps no customer discounts)
//   5 the quantity and original quantity (1)
//   6 the warehouse (the company's first warehouse)
//   7 the VAT exemption reason (the article's)
// Only a line naming a known article gets suggestions, and a suggestion
// fills only a member the caller has not set: a value the caller gave,
// a price above all, is never overridden.
#include <array>

namespace tvx::sql {
class Connection;
}

namespace tvx::host_erp {

class CommercialLine;

using SuggestionFlags = std::array<bool, 7>;

void suggestLineValues(sql::Connection& db, CommercialLine& line, const SuggestionFlags& flags);

}  // namespace tvx::host_erp
