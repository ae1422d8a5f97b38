#pragma once
// The amounts of a commercial line and of its document, to the cent.
// A line's gross value is quantity x unit price, its discount a percentage
// of that, its net value the rest. Without VAT included the VAT is the rate
// applied to the net value; with VAT included the net value holds the VAT,
// which is taken out of it.
#include "platform/automation/currency.h"

namespace tvx::host_erp {

struct LineAmounts {
    Currency bruto;
    Currency desconto;
    Currency liquido;  // without VAT
    Currency iva;
    Currency total;  // with VAT
};

LineAmounts lineAmounts(double quantidade, double preco, double taxaDesconto, double taxaIva, bool ivaIncluido);

struct DocumentTotals {
    Currency mercadoria;  // gross values
    Currency desconto;
    Currency iva;
    Currency total;
    void add(const LineAmounts& line);
};

}  // namespace tvx::host_erp
