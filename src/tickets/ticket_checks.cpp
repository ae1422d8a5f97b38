#include "tickets/ticket_checks.h"

#include "platform/automation/automation_error.h"
#include "settings/dal_comandos.h"
#include "tickets/ticket_fields.h"

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

bool pClienteValido(const QString& sCliente) {
    return reraiseAs(QStringLiteral("pClienteValido"), [&] {
        if (sCliente.isEmpty()) return false;
        const auto rs = DalComandos::HlpDb_ClienteByCod(sCliente);
        return rs && rs->RecordCount() > 0;
    });
}

}  // namespace tvx
