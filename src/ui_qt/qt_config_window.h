#pragma once
// The configuration window: the property grid wndPropertyGrid filling it,
// with its description pane, and below it on the right the buttons cmdConf,
// cmdCancel and cmdSair (Escape clicks cmdSair). Resizable; the grid takes
// the room. FrmConfiguracao gives the captions and takes the clicks.
#include "platform/ui/addin_ui.h"

#include <memory>

class QWidget;

namespace tvx::ui_qt {

class DialogFolders;

// A new configuration window with its grid and file dialog (whose overwrite
// questions go to `messages`), loaded and hidden; `parent` null: over the
// active window. `folders`: the folders the desktop's dialogs last used.
ui::ConfigWindow newQtConfigWindow(ui::MessageBox& messages, QWidget* parent = nullptr,
                                   std::shared_ptr<DialogFolders> folders = {});

}  // namespace tvx::ui_qt
