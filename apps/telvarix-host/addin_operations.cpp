#include "telvarix-host/addin_operations.h"

#include "telvarix-host/addin_object.h"
#include "telvarix-host/command_line.h"

#include <QStringList>
#include <limits>

namespace tvx::host_app {

const std::vector<AddinOperation>& addinOperations() {
    static const std::vector<AddinOperation> operations = {
        {1000, QStringLiteral("Importação de bilhetes")},
        {1001, QStringLiteral("Consulta de diagnósticos")},
        {1002, QStringLiteral("Configuração")},
        {1003, QStringLiteral("Importação de transferências bancárias")},
        {1004, QStringLiteral("Importação de bilhetes de ficheiro CSV")},
    };
    return operations;
}

std::int32_t checkedOperationCode(const QString& text) {
    const std::int32_t code = toInt(text, QStringLiteral("--operation"), 0, std::numeric_limits<std::int32_t>::max());
    QStringList menu;
    for (const AddinOperation& operation : addinOperations()) {
        if (operation.code == code) return code;
        menu << QStringLiteral("%1 %2").arg(operation.code).arg(operation.caption);
    }
    throw UsageError(QStringLiteral("--operation %1 is not one of the add-in's operations: %2.")
                         .arg(code)
                         .arg(menu.join(QStringLiteral(", "))));
}

void runOperation(AddinObject& addin, std::int32_t code, const QString& user) {
    addin.call(QStringLiteral("Operacoes"), {Variant(), Variant(code), Variant(user)});
}

}  // namespace tvx::host_app
