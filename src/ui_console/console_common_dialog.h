#pragma once
// A file dialog for batch runs: answered from a file name given in advance
// (one for open dialogs, one for save dialogs), or cancelled when there is
// none. Each show is printed.
#include "platform/ui/common_dialog.h"

#include <QString>
#include <iosfwd>
#include <optional>

namespace tvx::ui_console {

class ConsoleTranscript;

class ConsoleCommonDialog : public ui::CommonDialog {
public:
    explicit ConsoleCommonDialog(std::ostream& out, std::optional<QString> openAnswer = {},
                                 std::optional<QString> saveAnswer = {}, ConsoleTranscript* transcript = nullptr);

protected:
    // An open dialog that requires an existing file cancels when the preset one does not exist.
    std::optional<QString> choose(ui::FileDialogKind kind) override;

private:
    std::ostream& out_;
    std::optional<QString> openAnswer_;
    std::optional<QString> saveAnswer_;
    ConsoleTranscript* transcript_;
};

}  // namespace tvx::ui_console
