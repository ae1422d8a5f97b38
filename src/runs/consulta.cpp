#include "runs/consulta.h"

#include "host_api/dal_ligacao.h"
#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "settings/dal_comandos.h"

namespace tvx {

std::shared_ptr<ado::Recordset> consultar(DalComandos& comandos, const QString& sql) {
    const auto ligacao = comandos.HlpDb_Ligacao();
    if (!ligacao) err::raise(err::ObjectNotSet);
    std::shared_ptr<ado::Recordset> rs;
    ligacao->Consultar(QString(), sql, rs, -1, 0);
    if (!rs) err::raise(err::ObjectNotSet);
    return rs;
}

}  // namespace tvx
