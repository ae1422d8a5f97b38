#include "telvarix-host/batch_ending.h"

#include "platform/ui/message_box.h"
#include "telvarix-host/command_line.h"

#include <QStringList>
#include <algorithm>

namespace tvx::host_app {

namespace {

// A run refused by a run lock shows one warning saying nothing was changed,
// before any progress, and no log: that is all a host sees of it.
bool refusedByRunLock(const ui_console::OperationRecord& operation) {
    if (operation.progressShown || operation.logsShown > 0) return false;
    return std::any_of(operation.boxes.begin(), operation.boxes.end(), [](const ui_console::ConsoleBox& box) {
        return ui::msgBoxIcon(box.style) == ui::MsgBoxIcon::Exclamation &&
               box.text.contains(QStringLiteral("Nada foi alterado"));
    });
}

bool holdsErrors(const ui_console::OperationRecord& operation) {
    // A run that stopped on an error logged it, then closed its log unshown.
    if (operation.progressShown && operation.logsShown == 0) return true;
    const auto keys = operation.rowsPerEstado.keys();
    return std::any_of(keys.begin(), keys.end(),
                       [](const QString& estado) { return estado.compare(u"Erro", Qt::CaseInsensitive) == 0; });
}

}  // namespace

void BatchEnding::add(const ui_console::OperationRecord& operation) {
    configShown_ = configShown_ || operation.configShown;
    configFailed_ = configFailed_ || (operation.configShown && !operation.configCarriedOut);
    refused_ = refused_ || refusedByRunLock(operation);
    errors_ = errors_ || holdsErrors(operation);
    for (auto it = operation.rowsPerEstado.cbegin(); it != operation.rowsPerEstado.cend(); ++it)
        rowsPerEstado_[it.key()] += it.value();
}

int BatchEnding::exitCode() const {
    if (configFailed_ || (presetConfig_ && !configShown_)) return exit_code::NotCarriedOut;
    if (refused_) return exit_code::Refused;
    if (errors_) return exit_code::LogErrors;
    return exit_code::Done;
}

QString BatchEnding::line() const {
    QStringList rows;
    for (auto it = rowsPerEstado_.cbegin(); it != rowsPerEstado_.cend(); ++it)
        rows << QStringLiteral("%1 %2").arg(it.value()).arg(it.key().isEmpty() ? QStringLiteral("(none)") : it.key());
    const int code = exitCode();
    QString why;
    switch (code) {
        case exit_code::NotCarriedOut:
            why = QStringLiteral("a --set or --button was not carried out");
            break;
        case exit_code::Refused:
            why = QStringLiteral("a run was refused by a run lock");
            break;
        case exit_code::LogErrors:
            why = QStringLiteral("the log holds Erro rows");
            break;
        default:
            why = QStringLiteral("every row fine");
    }
    return QStringLiteral("Rows: %1. Exit status %2: %3.")
        .arg(rows.isEmpty() ? QStringLiteral("none logged") : rows.join(QStringLiteral(", ")))
        .arg(code)
        .arg(why);
}

}  // namespace tvx::host_app
