#pragma once
// Settling commercial documents with receipts. A final invoice or credit
// note is open for its total (TOTDOC) less what receipts have settled so far
// (VALORPAGO); both are kept positive. A receipt line pays it with ValorPago
// signed as the document counts in the customer's account: positive for a
// document that counts positive when settled (SINALCT 1, an invoice),
// negative for one that counts negative (SINALCT 2, a credit note). Only
// final documents are settled.
#include "host_erp/document_key.h"
#include "platform/automation/currency.h"

#include <optional>

namespace tvx::sql {
class Connection;
}

namespace tvx::host_erp {

class FinancialLine;

struct SettledDocument {
    qint64 id = 0;
    DocumentKey key;
    QString terceiro;
    Currency total;
    Currency valorPago;
    int sinalct = 1;

    Currency emAberto() const { return total - valorPago; }
    // `value` with the document's sign: the ValorPago of a line settling an
    // amount of it, and the amount a line's ValorPago settles.
    Currency withSign(Currency value) const { return sinalct == 2 ? -value : value; }
};

// The final commercial document with that key.
std::optional<SettledDocument> settledDocument(sql::Connection& db, const DocumentKey& key);

// One line of a receipt, checked: the document it settles and the amount
// taken off its open amount (positive).
struct Settlement {
    SettledDocument documento;
    Currency valorPago;  // as the line gives it
    Currency amount;     // taken off the open amount
};

// Checks line `numero` of a receipt of customer `terceiro`: the document
// exists, is final and the customer's, and ValorPago is not zero, has the
// document's sign and does not exceed its open amount.
Settlement checkSettlement(sql::Connection& db, const FinancialLine& line, int numero, const QString& terceiro);

// Takes `amount` off (or gives it back to) the open amount of document `id`.
void settle(sql::Connection& db, qint64 id, Currency amount);
void unsettle(sql::Connection& db, qint64 id, Currency amount);

}  // namespace tvx::host_erp
