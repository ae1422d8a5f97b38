#include "addin/recording_runs.h"

#include "addin/solucao.h"

namespace tvx::testing {

void RecordingRuns::runTicketImport(addin::Solucao& s) {
    const auto& e = s.estado();
    log << (e.m_bCsv ? QStringLiteral("tickets csv ") + e.m_sFicheiroCsv : QStringLiteral("tickets access"));
    if (duringRun) duringRun(s);
}

void RecordingRuns::pDocComerciaActualizaOrigem(addin::Solucao&, const QString& sTipoDocumento, std::int32_t lNumero,
                                                std::int16_t iSerie, std::int16_t iAno) {
    log << QStringLiteral("follow-up %1 %2 %3 %4").arg(sTipoDocumento).arg(lNumero).arg(iSerie).arg(iAno);
}

void RecordingRuns::pManutencaoExecutar(addin::Solucao&, const QString& sComando, const QString& sUtilizadorAntes) {
    log << QStringLiteral("command %1 (was %2)").arg(sComando, sUtilizadorAntes);
    if (commandError) throw *commandError;
}

}  // namespace tvx::testing
