#pragma once
// What a run borrows from the entry object for its duration: the host
// session, the database helpers over the company connection, the log, the
// field that holds its agency source and the desktop it shows itself on.
#include "agency/origem_dados.h"
#include "diagnostics/diagnostico_log.h"
#include "host_api/sessao_api.h"
#include "runs/run_desktop.h"

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
};

}  // namespace tvx
