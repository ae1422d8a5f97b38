#pragma once
// The window of a form: a resizable top-level window shown modally. Escape
// clicks the form's cancel button when it has one (and does nothing
// otherwise); Enter clicks nothing, since no button is the default; the
// close box closes the window without asking.
#include <QDialog>
#include <QPointer>

class QAbstractButton;

namespace tvx::ui_qt {

class FormDialog : public QDialog {
    Q_OBJECT
public:
    explicit FormDialog(QWidget* parent = nullptr);

    void setCancelButton(QAbstractButton* button);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPointer<QAbstractButton> cancelButton_;
};

}  // namespace tvx::ui_qt
