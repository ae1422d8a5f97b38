#include "addin/operation_runs.h"

namespace tvx::addin {

std::shared_ptr<OperationRuns> defaultOperationRuns() { return std::make_shared<OperationRuns>(); }

}  // namespace tvx::addin
