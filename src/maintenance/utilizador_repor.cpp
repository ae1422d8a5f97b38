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
        // An earlier command, even one that never ran (its parts did not
        // convert), is not put back: the next "Confirmar" would show its error again.
        const bool bComando = ComandoManutencao::pareceComando(sUtilizadorAntes);
        rs->setValue(QStringLiteral("BDUSER"), Variant(bComando ? QString() : sUtilizadorAntes));
        rs->Update();
        comandos.HlpDb_ParametrosSave(rs);
    });
}

}  // namespace tvx
