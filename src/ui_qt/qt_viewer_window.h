#pragma once
// The diagnostics viewer's window: the grid grdDiag filling it, and below it
// the buttons CmdAbrir "Abrir" and CmdGravarComo "Gravar como" on the left,
// cmdSair "Sair" on the right (Escape clicks it). Above the grid, a filter
// box (the rows whose Estado or Descrição hold its text) and the count of
// rows shown. Resizable; the grid takes the room. FrmViewDiagnosticos
// connects the buttons to itself.
#include "platform/ui/addin_ui.h"

class QWidget;

namespace tvx::ui_qt {

// A new viewer window with its grid, loaded and hidden; `parent` null: over the active window.
ui::ViewerWindow newQtViewerWindow(QWidget* parent = nullptr);

}  // namespace tvx::ui_qt
