#pragma once
// Amounts on the host's documents: kept to the cent, halves rounded away
// from zero, and shown in messages the Portuguese way ("1234,50").
#include "platform/automation/currency.h"

#include <QString>

namespace tvx::host_erp {

Currency toCents(Currency value);
// A computed amount (a quantity times a price, a share of an amount), to the cent.
Currency centsOf(double value);
QString moneyText(Currency value);

}  // namespace tvx::host_erp
