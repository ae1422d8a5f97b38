#pragma once
// What a ticket import run wrote, read back from its files after the run, so
// that the raw replay writes the very same rows into an untouched copy.
#include "sqlite_db.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>
#include <vector>

namespace tvx::bench {

struct ReplayInvoice {
    std::vector<StoredValue> header;              // DOCGCCAB, the plan's headerColumns
    std::vector<std::vector<StoredValue>> lines;  // DOCGCLIN, the plan's lineColumns
    QString tipo;                                 // its numbering key
    qint64 serie = 0;
    qint64 ano = 0;
    std::vector<std::int32_t> tickets;
    QString marker;    // their Factura
    QString inFlight;  // the in-flight record written before it is stored
};

struct ReplayPlan {
    std::string createExecucoes;  // the run lock's table, as the run made it
    QStringList headerColumns;    // all but ID
    QStringList lineColumns;      // all but ID and IDCAB
    std::vector<ReplayInvoice> invoices;
};

// The tickets marked in an agency file, by id.
std::map<std::int32_t, QString> ticketMarkers(const QString& agency);
// The tickets `runAgency` has marked and `copyAgency` has not, each with its
// marker and the invoice `byMarker` gives that marker (an error for none).
struct MarkedTicket {
    std::int32_t id = 0;
    QString marker;
    std::size_t invoice = 0;
};
std::vector<MarkedTicket> newlyMarkedTickets(const QString& runAgency, const QString& copyAgency,
                                             const std::map<QString, std::size_t>& byMarker);
// The run's in-flight record for an invoice of `tipo` for `conta` and
// `referencia`, of `tickets` of `agency`, whose lines hold `lineTexts`.
QString inFlightRecord(const QString& tipo, const QString& agency, const QString& conta, const QString& referencia,
                       const std::vector<std::int32_t>& tickets, const QStringList& lineTexts);

// The invoices and markers in the run's company and agency files (`run*`)
// that the untouched copy (`copy*`) lacks. The in-flight records name
// `copyAgency`, as the run's name its own agency file.
ReplayPlan readReplayPlan(const QString& runCompany, const QString& runAgency, const QString& copyCompany,
                          const QString& copyAgency);

}  // namespace tvx::bench
