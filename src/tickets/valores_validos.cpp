#include "tickets/valores_validos.h"

#include "runs/field_values.h"

#include <array>

namespace tvx {

bool pValoresValidos(ado::Recordset& rs, QString& sCampo) {
    static const std::array<QString, 4> campos = {QStringLiteral("Fare"), QStringLiteral("Fees"),
                                                  QStringLiteral("Taxas"), QStringLiteral("Tarifas Privadas")};
    for (const QString& campo : campos) {
        if (numeroOuZero(rs.value(campo)) < 0) {
            sCampo = campo;
            return false;
        }
    }
    return true;
}

}  // namespace tvx
