#pragma once
// A form's push button, named for its control (the form's logic gives it its
// caption), wide enough for the forms' captions and never the default.
#include <QString>

class QPushButton;
class QWidget;

namespace tvx::ui_qt {

QPushButton* commandButton(const QString& control, QWidget* parent);

}  // namespace tvx::ui_qt
