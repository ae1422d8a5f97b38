#pragma once
// The common file dialog on the desktop: Qt's own file dialog with
// Portuguese labels, set up from the dialog's properties each time it is
// shown. Flags: 4096 lets only existing files be opened; 2 asks before a
// save replaces an existing file (No goes back to the dialog); 4, the
// read-only check box, needs nothing, since this dialog has none. It starts
// in the folder it was last used in (see startFolder), and a save adds the
// chosen filter's extension to a name typed without one.
#include "platform/ui/common_dialog.h"
#include "platform/ui/message_box.h"
#include "ui_qt/dialog_folders.h"

#include <memory>

class QFileDialog;

namespace tvx::ui_qt {

class QtCommonDialog : public ui::CommonDialog {
public:
    // `messages` asks the overwrite question.
    // `folders`: the folders the desktop's dialogs last used.
    explicit QtCommonDialog(ui::MessageBox& messages,
                            std::shared_ptr<DialogFolders> folders = std::make_shared<DialogFolders>())
        : messages_(messages), folders_(std::move(folders)) {}

protected:
    // On a choice FilterIndex becomes the filter the user ended with.
    std::optional<QString> choose(ui::FileDialogKind kind) override;

private:
    ui::MessageBox& messages_;
    std::shared_ptr<DialogFolders> folders_;
};

// Sets `dialog` up from the properties of `props` for an open or save dialog.
void configureFileDialog(QFileDialog& dialog, const ui::CommonDialog& props, ui::FileDialogKind kind,
                         const DialogFolders& folders = DialogFolders());
// One "description|pattern" pair as a Qt name filter: "Ficheiros XML (*.XML)".
QString nameFilterText(const ui::FileFilter& filter);

}  // namespace tvx::ui_qt
