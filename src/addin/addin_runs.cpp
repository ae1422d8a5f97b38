#include "addin/addin_runs.h"

#include "addin/automation_objects.h"
#include "addin/solucao.h"
#include "diagnostics/frm_view_diagnosticos.h"
#include "receipts/importacao_mov_bancarios.h"
#include "tickets/finalisation_sync.h"
#include "tickets/importacao_movimentos.h"

namespace tvx::addin {

std::shared_ptr<OperationRuns> defaultOperationRuns() { return std::make_shared<AddinRuns>(); }

void AddinRuns::runTicketImport(Solucao& s) {
    SolucaoEstado& m = s.estado();
    const bool bCsv = m.m_bCsv;
    ImportacaoMovimentos run(
        {.run = s.runContext(bCsv ? m.m_Csv : m.m_OrigemImportacao,
                             [bCsv] { return createObject<OrigemDados>(bCsv ? CsvProgId : AccessProgId); }),
         .m_bCsv = bCsv,
         .m_sFicheiroCsv = m.m_sFicheiroCsv});
    run.pImportarMovimentos();
}

void AddinRuns::runTransferImport(Solucao& s) {
    ImportacaoMovBancarios run(
        s.runContext(s.estado().m_OrigemImportacao, [] { return createObject<OrigemDados>(AccessProgId); }));
    run.pImportarMovBancarios();
}

void AddinRuns::runViewer(Solucao& s) {
    s.comViewerDiagnosticos([&](FrmViewDiagnosticos& viewer) {
        ConsultaDiagnosticos(viewer, s.estado().m_Diagnostico.rsDiagnostico(), s.ui().messages());
    });
}

void AddinRuns::runConfigEditor(Solucao& s) { s.pConfiguracaoEditar(); }

void AddinRuns::pDocComerciaActualizaOrigem(Solucao& s, const QString& sTipoDocumento, std::int32_t lNumero,
                                            std::int16_t iSerie, std::int16_t iAno) {
    SolucaoEstado& m = s.estado();
    tvx::pDocComerciaActualizaOrigem(m.m_Api.get(), m.m_Origem.get(), sTipoDocumento, lNumero, iSerie, iAno);
}

}  // namespace tvx::addin
