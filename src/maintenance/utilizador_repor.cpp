#include "maintenance/utilizador_repor.h"

#include "maintenance/comando_manutencao.h"
#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "runs/field_values.h"
#include "settings/dal_comandos.h"

namespace tvx {

void pUtilizadorRepor(DalComandos& comandos, const QString& sComando, const QString& sUtilizadorAntes) {
    reraiseAs(QStringLiteral("pUtilizadorRepor"), [&] {
        auto rs = comandos.HlpDb_ParametrosGet();
        if (!rs) err::raise(err::ObjectNotSet);
        if (rs->RecordCount() == 0 || textoOuVazio(rs->value(QStringLiteral("BDUSER"))) != sComando) return;
        const bool bComando = ComandoManutencao::executavel(sUtilizadorAntes);
        rs->setValue(QStringLiteral("BDUSER"), Variant(bComando ? QString() : sUtilizadorAntes));
        rs->Update();
        comandos.HlpDb_ParametrosSave(rs);
    });
}

}  // namespace tvx
