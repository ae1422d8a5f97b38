#include "support/fake_common_dialog.h"

namespace tvx::testing {

std::optional<QString> FakeCommonDialog::choose(ui::FileDialogKind kind) {
    shows_.push_back({kind, DialogTitle, Filter, FilterIndex, Flags, CancelError, FileName});
    if (script_.empty()) return std::nullopt;
    const Answer answer = script_.front();
    script_.pop_front();
    if (answer.cancel) return std::nullopt;
    return answer.path;
}

}  // namespace tvx::testing
