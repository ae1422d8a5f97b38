#include "maintenance/comando_executar.h"

#include "maintenance/comando_manutencao.h"
#include "maintenance/remocao_recibos.h"
#include "maintenance/script_executar.h"
#include "platform/ui/error_box.h"

namespace tvx {

bool pComandoExecutar(const QString& sComando, MaintenanceContext& contexto) {
    ComandoManutencao comando(sComando);
    QString sTpdoc;
    std::int16_t iAno = 0;
    std::int32_t lPrim = 0, lUlt = 0;
    bool bRemover = false;
    try {
        bRemover = comando.RemoverRecibos(sTpdoc, iAno, lPrim, lUlt);
    } catch (...) {
        ui::showError(contexto.run.desktop.messages, currentError(), QString(), ui::vbOKOnly, TituloConfiguracao);
        return false;
    }
    if (bRemover) RemocaoRecibos(contexto.run).pRecibosRemover(sTpdoc, iAno, lPrim, lUlt, contexto.comandoGastar);
    if (comando.ScriptPedido()) {
        try {
            if (contexto.comandoGastar) contexto.comandoGastar();
        } catch (...) {
            // A command that cannot be used up is not run.
            ui::showError(contexto.run.desktop.messages, currentError(), QString(), ui::vbOKOnly, TituloConfiguracao);
            return false;
        }
        pScriptExecutar(contexto.run.comandos, contexto.run.desktop.messages, contexto.pastaBase);
    }
    return bRemover || comando.ScriptPedido();
}

}  // namespace tvx
