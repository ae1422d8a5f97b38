// The maintenance commands of the configuration editor, reached from the
// entry object's state as the other runs are.
#include "addin/addin_runs.h"
#include "addin/automation_objects.h"
#include "addin/solucao.h"
#include "host_api/host_classes.h"
#include "host_api/pastas.h"
#include "maintenance/comando_executar.h"
#include "maintenance/comando_manutencao.h"
#include "maintenance/utilizador_repor.h"
#include "platform/ui/error_box.h"

namespace tvx::addin {

void AddinRuns::pManutencaoExecutar(Solucao& s, const QString& sComando, const QString& sUtilizadorAntes) {
    SolucaoEstado& m = s.estado();
    MaintenanceContext contexto{{m.m_Api,
                                 m.m_Comandos,
                                 m.m_Diagnostico,
                                 m.m_OrigemImportacao,  // untouched: the commands read no agency source
                                 [] { return std::shared_ptr<OrigemDados>(); },
                                 s.runDesktop(),
                                 m.m_sEmpresa,
                                 {}},
                                [] { return createObject<PastaBase>(host_classes::PastaBase)->Pasta(); }};
    // BDUSER is given back before the command runs: a run killed half-way
    // (or a script committed just before a crash) is then never repeated by
    // the next "Confirmar". A command whose BDUSER cannot be given back is
    // not run.
    if (ComandoManutencao::executavel(sComando)) {
        try {
            pUtilizadorRepor(m.m_Comandos, sComando, sUtilizadorAntes);
        } catch (...) {
            ui::showError(s.ui().messages(), currentError(), QString(), ui::vbOKOnly, TituloConfiguracao);
            return;
        }
    }
    pComandoExecutar(sComando, contexto);
}

}  // namespace tvx::addin
