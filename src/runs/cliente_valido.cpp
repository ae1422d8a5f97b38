#include "runs/cliente_valido.h"

#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "settings/dal_comandos.h"

namespace tvx {

bool pClienteValido(DalComandos& comandos, const QString& sCliente) {
    return reraiseAs(QStringLiteral("pClienteValido"), [&] {
        if (sCliente.isEmpty()) return false;
        const auto rs = comandos.HlpDb_ClienteByCod(sCliente);
        return rs && rs->RecordCount() > 0;
    });
}

}  // namespace tvx
