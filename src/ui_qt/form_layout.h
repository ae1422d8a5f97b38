#pragma once
// The layout the add-in's forms share: their main control filling the window
// above a row of push buttons, some on the left, the others on the right,
// the last of which Escape clicks.
#include <QString>
#include <initializer_list>

class QWidget;

namespace tvx::ui_qt {

class FormDialog;

void layOutForm(FormDialog& dialog, QWidget* body, std::initializer_list<QString> leftButtons,
                std::initializer_list<QString> rightButtons);

}  // namespace tvx::ui_qt
