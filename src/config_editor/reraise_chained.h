#pragma once
// How the configuration editor's procedures raise an error again: same
// number, their own name as source, and as description the previous source,
// a line break (CR LF) and the previous description. A chain of calls so
// lists every procedure it passed, innermost last.
#include "platform/automation/automation_error.h"

#include <QString>
#include <utility>

namespace tvx::configuracao {

// `error` raised again by `source`. An error without a source (raised by the
// procedure itself) keeps its line too, an empty one, so that each line of
// the chain stands for one procedure it passed.
AutomationError chained(const AutomationError& error, const QString& source);

template <class F>
decltype(auto) reraiseChained(const QString& source, F&& body) {
    try {
        return std::forward<F>(body)();
    } catch (...) {
        throw chained(currentError(), source);
    }
}

}  // namespace tvx::configuracao
