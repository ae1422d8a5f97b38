#pragma once
// How many tickets of an agency file a ticket import on a given day takes:
// services EMI, REM, EMD, payments CAS, CCR, NCC, no invoice marker, a
// billing period of every day ("DIA") or of that weekday.
#include <QDate>

namespace tvx::agency {
class AgencyDb;
}

namespace tvx::host_app {

int ticketsToInvoice(agency::AgencyDb& agency, const QDate& day);

}  // namespace tvx::host_app
