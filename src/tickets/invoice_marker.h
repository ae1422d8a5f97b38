#pragma once
// The identity of a host invoice as the ticket import reports it, and the
// markers written into the source tickets' Factura: provisional
// ("Tumo Vesk-FT 45/1/2024") from the import, final ("FT-45") once the
// invoice is finalised in the host.
#include <QString>
#include <cstdint>

namespace tvx {

struct IdentidadeFactura {
    QString sTipoDoc;
    std::int32_t lNumero = 0;
    std::int16_t iSerie = 0;
    std::int16_t iAno = 0;

    // "FT 45/1/2024": numbers in decimal, no blanks.
    QString texto() const;
};

// The 10 characters that begin every provisional marker.
inline const QString PrefixoMarcaProvisoria = QStringLiteral("Tumo Vesk-");

// "Tumo Vesk-" + "FT 45/1/2024", whatever state the invoice was left in.
QString marcaProvisoria(const IdentidadeFactura& factura);
// "FT-45".
QString marcaFinal(const QString& sTipoDoc, std::int32_t lNumero);

}  // namespace tvx
