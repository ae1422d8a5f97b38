#pragma once
// The add-in's menu as the host shows it: each operation's code and caption,
// and the call the host makes when one is chosen.
#include <QString>
#include <cstdint>
#include <vector>

namespace tvx::host_app {

class AddinObject;

struct AddinOperation {
    std::int32_t code;
    QString caption;
};

// 1000 to 1004, in menu order.
const std::vector<AddinOperation>& addinOperations();

// The code a text gives, when it is one of the menu's; UsageError naming the
// menu's codes otherwise.
std::int32_t checkedOperationCode(const QString& text);

// Operacoes(pai, code, user), as the host's menu calls it.
void runOperation(AddinObject& addin, std::int32_t code, const QString& user);

}  // namespace tvx::host_app
