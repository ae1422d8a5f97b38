#pragma once
// What a run borrows from the entry object for its duration: the host
// session, the database helpers over the company connection, the log, the
// field that holds its agency source and the desktop it shows itself on.
#include "agency/origem_dados.h"
#include "diagnostics/diagnostico_log.h"
#include "host_api/sessao_api.h"
#include "runs/execucoes_sql.h"
#include "runs/run_desktop.h"
#include "runs/run_guard.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

namespace tvx {

class DalComandos;

struct RunContext {
    std::shared_ptr<SessaoApi> m_Api;
    DalComandos& comandos;
    DiagnosticoLog& diagnostico;
    // The field that holds the run's source: replaced by a new object from
    // novaOrigem and left in it, closed, when the run ends.
    std::shared_ptr<OrigemDados>& origem;
    std::function<std::shared_ptr<OrigemDados>()> novaOrigem;
    RunDesktop desktop;
    // The company code the add-in was opened for (for the messages of the run lock).
    QString empresa;
    // The run's locks for an operation code, keeping the in-flight record of
    // the given column; empty: the real ones over `comandos` (run_locks.h).
    std::function<std::unique_ptr<RunGuard>(std::int32_t, execucoes_sql::Coluna)> novosBloqueios;

    std::unique_ptr<RunGuard> bloqueios(std::int32_t operacao, execucoes_sql::Coluna coluna) const;
};

}  // namespace tvx
