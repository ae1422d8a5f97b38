#include "receipts/texto_invalido.h"

#include "platform/automation/control_characters.h"
#include "runs/field_values.h"

#include <array>

namespace tvx {

QString pTextoInvalido(ado::Recordset& rs) {
    static const std::array<QString, 2> campos = {QStringLiteral("Account"), QStringLiteral("Fatura")};
    for (const QString& campo : campos)
        if (holdsControlCharacter(textoDoValor(rs.value(campo)))) return campo;
    return {};
}

}  // namespace tvx
