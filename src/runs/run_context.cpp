#include "runs/run_context.h"

#include "runs/run_locks.h"

namespace tvx {

std::unique_ptr<RunGuard> RunContext::bloqueios(std::int32_t operacao, execucoes_sql::Coluna coluna) const {
    if (novosBloqueios) return novosBloqueios(operacao, coluna);
    return std::make_unique<RunLocks>(comandos, operacao, coluna);
}

}  // namespace tvx
