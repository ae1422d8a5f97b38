#pragma once
// The journal entry of a stored document, as the host builds it.
//
// A sales document debits the customer's account with its total and
// credits each article's account with its lines' net values and each VAT
// rate's account with its VAT; a credit note (NATCONTA 2) does the
// opposite. A receipt debits the account of its bank (banco, else
// bancoEmpresa) or, when it names none, of its payment method, and credits
// the customer's account with its total. Only final sales documents are
// entered; an entry needs every account it moves and a total that is not
// zero, else it is refused with the reason.
#include "host_erp/document_key.h"
#include "platform/automation/currency.h"

#include <QDate>
#include <QString>
#include <vector>

namespace tvx::sql {
class Connection;
}

namespace tvx::host_erp {

struct EntryLine {
    QString conta;
    QChar natureza;  // 'D' debit, 'C' credit
    Currency valor;
    QString descr;
};

struct AccountingEntry {
    QString area;  // "COM" or "FIN"
    DocumentKey key;
    QDate data;
    QString diario;
    QString descr;
    std::vector<EntryLine> linhas;

    Currency total(QChar natureza) const;
};

AccountingEntry commercialEntry(sql::Connection& db, qint64 idDocumento);
AccountingEntry financialEntry(sql::Connection& db, qint64 idDocumento);

}  // namespace tvx::host_erp
