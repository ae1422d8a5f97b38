// Operation 1002: the configuration editor, then the maintenance command typed into it.
#include "addin/solucao.h"
#include "config_editor/frm_configuracao.h"
#include "maintenance/comando_executar.h"
#include "platform/ui/error_box.h"

namespace tvx::addin {

void Solucao::pConfiguracaoEditar() {
    try {
        ui::ConfigWindow janela = ui_->newConfigWindow();
        if (!janela.window || !janela.grid || !janela.dialog)
            err::raise(err::CannotCreateObject, QStringLiteral("FrmConfiguracao"));
        FrmConfiguracao frm({*janela.window, *janela.grid, *janela.dialog, ui_->messages()}, m_.m_Comandos);
        frm.Editar();
        // The window is gone from the screen; it is unloaded once the command has run.
        runs_->pManutencaoExecutar(*this, frm.Comando(), frm.UtilizadorGuardado());
    } catch (...) {
        ui::showError(ui_->messages(), currentError(), QString(), ui::vbOKOnly, TituloConfiguracao);
    }
}

}  // namespace tvx::addin
