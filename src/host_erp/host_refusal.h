#pragma once
// A host rule a document does not meet. Raised inside the host's document
// code and turned, at the document method, into a non-zero answer whose
// text UltimaMensagem gives; it never leaves the host as an error.
#include <QString>
#include <cstdint>
#include <functional>

namespace tvx::host_erp {

struct Refusal {
    QString message;
};

[[noreturn]] void refuse(const QString& message);

// The answer of a document method: 0 when `body` ran through, 1 when it
// refused (`lastMessage` then holds why; it is cleared on success). Errors
// other than refusals pass through.
std::int32_t answer(QString& lastMessage, const std::function<void()>& body);

}  // namespace tvx::host_erp
