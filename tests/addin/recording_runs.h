#pragma once
// Runs that only log what the entry object started them with.
#include "addin/operation_runs.h"

#include "platform/automation/automation_error.h"

#include <QStringList>
#include <functional>
#include <optional>

namespace tvx::testing {

// Runs that only log what they were started with.
class RecordingRuns : public addin::OperationRuns {
public:
    void runTicketImport(addin::Solucao& s) override;
    void runViewer(addin::Solucao&) override { log << QStringLiteral("viewer"); }
    void runConfigEditor(addin::Solucao&) override { log << QStringLiteral("config"); }
    void runTransferImport(addin::Solucao&) override { log << QStringLiteral("transfers"); }
    // Logs "command <text> (was <BDUSER before>)"; raises `commandError` when one is set.
    void pManutencaoExecutar(addin::Solucao&, const QString& sComando, const QString& sUtilizadorAntes) override;
    void pDocComerciaActualizaOrigem(addin::Solucao&, const QString& sTipoDocumento, std::int32_t lNumero,
                                     std::int16_t iSerie, std::int16_t iAno) override;

    QStringList log;
    // Called inside a run, to try a second operation while it is in progress.
    std::function<void(addin::Solucao&)> duringRun;
    std::optional<AutomationError> commandError;
};

}  // namespace tvx::testing
