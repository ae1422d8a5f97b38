#include "tickets/invoice_marker.h"

namespace tvx {

QString IdentidadeFactura::texto() const {
    return sTipoDoc + QLatin1Char(' ') + QString::number(lNumero) + QLatin1Char('/') + QString::number(iSerie) +
           QLatin1Char('/') + QString::number(iAno);
}

QString marcaProvisoria(const IdentidadeFactura& factura) { return PrefixoMarcaProvisoria + factura.texto(); }

QString marcaFinal(const QString& sTipoDoc, std::int32_t lNumero) {
    return sTipoDoc + QLatin1Char('-') + QString::number(lNumero);
}

}  // namespace tvx
