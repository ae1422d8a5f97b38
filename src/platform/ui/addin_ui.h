#pragma once
// The desktop the add-in shows itself on: message boxes, the message-loop
// turn and the controls its forms host. The host program registers its
// desktop (real windows or the console) in the class registry under
// DesktopProgId; the add-in asks for it by name, as it would ask its platform.
#include "platform/automation/variant.h"
#include "platform/ui/common_dialog.h"
#include "platform/ui/data_grid.h"
#include "platform/ui/form_window.h"
#include "platform/ui/message_box.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/progress_window.h"
#include "platform/ui/property_grid.h"
#include "platform/ui/shell.h"

#include <QString>
#include <memory>

namespace tvx::ui {

inline const QString DesktopProgId = QStringLiteral("Desktop.Ui");

// The window of a diagnostics viewer and the grid it holds.
struct ViewerWindow {
    std::unique_ptr<DataGrid> grid;
    std::unique_ptr<FormWindow> window;  // may refer to the grid, so it is declared (and let go) after it
};

// The configuration window: its property grid, its own file dialog, and the
// window with the buttons cmdConf, cmdCancel and cmdSair.
struct ConfigWindow {
    std::unique_ptr<PropertyGrid> grid;
    std::unique_ptr<CommonDialog> dialog;
    std::unique_ptr<FormWindow> window;  // draws the grid, so it is declared (and let go) after it
};

class AddinUi : public AutomationObject {
public:
    virtual MessageBox& messages() = 0;
    virtual MessageLoop& messageLoop() = 0;
    // A new file dialog control, for the form that hosts it.
    virtual std::unique_ptr<CommonDialog> newCommonDialog() = 0;
    // A new progress window for a long run, loaded and hidden.
    virtual std::unique_ptr<ProgressWindow> newProgressWindow() = 0;
    // A new diagnostics viewer window with its grid, loaded and hidden.
    virtual ViewerWindow newViewerWindow() = 0;
    // A new configuration window with its grid and dialog, loaded and hidden.
    virtual ConfigWindow newConfigWindow() = 0;
    // Opens files with the programs associated with their types.
    virtual Shell& shell() = 0;
};

// The desktop registered under DesktopProgId, or null when none is.
std::shared_ptr<AddinUi> registeredDesktop();

}  // namespace tvx::ui
