#pragma once
// A common dialog that records the properties of every show and answers with
// scripted choices; with the script used up the user cancels.
#include "platform/ui/common_dialog.h"

#include <deque>
#include <optional>
#include <vector>

namespace tvx::testing {

struct DialogShow {
    ui::FileDialogKind kind = ui::FileDialogKind::Open;
    QString title;
    QString filter;
    int filterIndex = 0;
    int flags = 0;
    bool cancelError = false;
    QString fileName;  // as set before the show
};

class FakeCommonDialog : public ui::CommonDialog {
public:
    void chooseNext(const QString& path) { script_.push_back({false, path}); }
    void cancelNext() { script_.push_back({true, {}}); }
    const std::vector<DialogShow>& shows() const { return shows_; }

protected:
    std::optional<QString> choose(ui::FileDialogKind kind) override;

private:
    struct Answer {
        bool cancel;
        QString path;
    };
    std::deque<Answer> script_;
    std::vector<DialogShow> shows_;
};

}  // namespace tvx::testing
