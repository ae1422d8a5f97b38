#include "host_erp/host_refusal.h"

namespace tvx::host_erp {

void refuse(const QString& message) { throw Refusal{message}; }

std::int32_t answer(QString& lastMessage, const std::function<void()>& body) {
    try {
        body();
        lastMessage.clear();
        return 0;
    } catch (const Refusal& r) {
        lastMessage = r.message;
        return 1;
    }
}

}  // namespace tvx::host_erp
