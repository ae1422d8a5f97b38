#pragma once
// Final documents a demo company already holds when the add-in first runs:
// invoices (and a credit note) of the demo's customers, still to be paid, so
// that the agency's transfers have something to settle.
#include "platform/automation/currency.h"

#include <QDate>
#include <QString>
#include <cstdint>

namespace tvx {
class DalLigacao;
class SessaoApi;
}  // namespace tvx

namespace tvx::host_app {

struct DemoDocumentRequest {
    QString tipo;  // FT or NC of the demo company
    QString cliente;
    double fare = 0;  // exempt line (0: none)
    double fee = 0;   // service fee, VAT at the normal rate (0: none)
    QDate data;       // document date
};

struct DemoDocument {
    QString tipo;
    std::int32_t numero = 0;
    std::int16_t serie = 0;
    std::int16_t ano = 0;
    QString cliente;
    Currency total;  // the host's document total

    // How a transfer names it: type-number-series-year.
    QString reference() const;
};

// Builds the document through the host's document objects, inserts it and
// finalises it; CommandFailure when the host refuses it.
DemoDocument createFinalDocument(SessaoApi& api, DalLigacao& company, const DemoDocumentRequest& request);

}  // namespace tvx::host_app
