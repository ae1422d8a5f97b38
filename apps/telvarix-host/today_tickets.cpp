#include "telvarix-host/today_tickets.h"

#include "agency_demo/agency_db.h"

#include <QStringList>

namespace tvx::host_app {

int ticketsToInvoice(agency::AgencyDb& agency, const QDate& day) {
    static const QStringList weekdays = {QStringLiteral("DOM"), QStringLiteral("SEG"), QStringLiteral("TER"),
                                         QStringLiteral("QUA"), QStringLiteral("QUI"), QStringLiteral("SEX"),
                                         QStringLiteral("SAB")};
    const auto rows =
        agency.column(QStringLiteral("SELECT COUNT(*) FROM [TKT Issued] t JOIN faturacao f ON f.ID = t.Periodo_Fact "
                                     "WHERE t.[Serviço] IN ('EMI','REM','EMD') AND t.Factura IS NULL "
                                     "AND t.Pagamento IN ('CAS','CCR','NCC') AND f.tipo IN ('DIA','%1')")
                          .arg(weekdays[day.dayOfWeek() % 7]));
    return rows.empty() ? 0 : rows.front().toInt();
}

}  // namespace tvx::host_app
