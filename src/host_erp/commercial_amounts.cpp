#include "host_erp/commercial_amounts.h"

#include "host_erp/document_money.h"

namespace tvx::host_erp {

LineAmounts lineAmounts(double quantidade, double preco, double taxaDesconto, double taxaIva, bool ivaIncluido) {
    LineAmounts a;
    a.bruto = centsOf(quantidade * preco);
    a.desconto = centsOf(a.bruto.toDouble() * taxaDesconto / 100.0);
    const Currency net = a.bruto - a.desconto;
    if (ivaIncluido) {
        a.total = net;
        a.liquido = centsOf(net.toDouble() * 100.0 / (100.0 + taxaIva));
        a.iva = a.total - a.liquido;
    } else {
        a.liquido = net;
        a.iva = centsOf(net.toDouble() * taxaIva / 100.0);
        a.total = a.liquido + a.iva;
    }
    return a;
}

void DocumentTotals::add(const LineAmounts& line) {
    mercadoria += line.bruto;
    desconto += line.desconto;
    iva += line.iva;
    total += line.total;
}

}  // namespace tvx::host_erp
