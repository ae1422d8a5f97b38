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

namespace tvx::addin {

void AddinRuns::pManutencaoExecutar(Solucao& s, const QString& sComando, const QString& sUtilizadorAntes) {
    SolucaoEstado& m = s.estado();
    // BDUSER is given back just before the command runs (a removal once it
    // holds its run lock, so that a refused one keeps its command): a run
    // killed half-way (or a script committed just before a crash) is then
    // never repeated by the next "Confirmar". A command whose BDUSER cannot
    // be given back is not run.
    MaintenanceContext contexto{
        .run = s.runContext(m.m_OrigemImportacao,  // untouched: the commands read no agency source
                            [] { return std::shared_ptr<OrigemDados>(); }),
        .pastaBase = [] { return createObject<PastaBase>(host_classes::PastaBase)->Pasta(); },
        .comandoGastar =
            [&m, sComando, sUtilizadorAntes] {
                if (ComandoManutencao::executavel(sComando)) pUtilizadorRepor(m.m_Comandos, sComando, sUtilizadorAntes);
            }};
    pComandoExecutar(sComando, contexto);
}

}  // namespace tvx::addin
