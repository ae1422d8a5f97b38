#pragma once
// The host's document numbers, kept per type, series and year in NUMERACAO:
// one sequence for final documents (ULTIMONUM) and one for documents in
// preparation (ULTIMOPREP), so a document's final number is given only when
// it is finalised and may differ from its preparation number. Numbers are
// taken inside the caller's transaction: a write that fails gives its
// number back with everything else, so no number is ever given twice nor
// skipped by a failure.
#include "host_erp/document_key.h"

namespace tvx::sql {
class Connection;
}

namespace tvx::host_erp {

enum class NumberSequence { Final, Preparation };

// The next number of the sequence for the type, series and year of `key`
// (its numero is ignored), counted as taken.
std::int32_t takeNextNumber(sql::Connection& db, const DocumentKey& key, NumberSequence sequence);
// Counts `key.numero` as taken in the sequence when it is above the last one
// (a number the caller gave), so that later numbers follow it.
void noteNumberTaken(sql::Connection& db, const DocumentKey& key, NumberSequence sequence);

}  // namespace tvx::host_erp
