#pragma once
// A cash-paid issued ticket of the day's billing period, for an agency file
// made by a test: id, billing reference and account given, fare 120.
#include "agency_demo/agency_db.h"

namespace tvx::testing {

inline agency::Bilhete bilheteDoDia(std::int32_t id, const char* ref, const char* account) {
    agency::Bilhete t;
    t.id = id;
    t.refFaturacao = QString::fromUtf8(ref);
    t.account = QString::fromUtf8(account);
    t.pagamento = QStringLiteral("CAS");
    t.servico = QStringLiteral("EMI");
    t.periodoFact = agency::periodo::Dia;
    t.codigoCompanhiaAerea = QStringLiteral("74");
    t.numeroDoBilhete = QStringLiteral("04712345%1").arg(id);
    t.fare = 120;
    return t;
}

}  // namespace tvx::testing
