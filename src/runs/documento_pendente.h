#pragma once
// The in-flight record of a run: written durably before the host is asked to
// store a document, naming what the document is for, so that a run that
// stopped half-way (a crash, a kill, a failed mark) can be completed at the
// next start: the document found in the host gets the marks it should have
// had, or its rows stay pending when it was never stored.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace tvx {

struct DocumentoPendente {
    QString tipoDocumento;             // the host document type it is stored as
    QString agencia;                   // the agency file of the rows
    QString conta;                     // the customer
    QString referencia;                // invoices: the billing reference
    std::vector<std::int32_t> ids;     // the tickets, or the one transfer
    QStringList linhas;                // invoices: the ticket lines' texts ("Bilhete Nº …")
    QString valor;                     // receipts: the transfer's amount, as a currency text
    QString data;                      // receipts: the transfer's date, dd-mm-yyyy
    std::int64_t ultimoDocumento = 0;  // receipts: the host's last receipt row before this one

    bool vazio() const { return ids.empty(); }
    bool operator==(const DocumentoPendente&) const = default;

    // As kept in the company database: a compact JSON object ("" when empty).
    QString texto() const;
    // Raises 13 for a text that is not such an object.
    static DocumentoPendente deTexto(const QString& texto);
};

// Row IDs as the log names them: "7, 8, 9".
QString idsTexto(const std::vector<std::int32_t>& ids);

}  // namespace tvx
