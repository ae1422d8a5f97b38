#pragma once
// The form window port over a FormDialog: caption, a modal show that returns
// once the window is hidden (by the form's logic) or closed (by its close
// box), and the clicks of its buttons, found by their control names.
// Letting the object go unloads (deletes) the window.
#include "platform/ui/form_window.h"

#include <QMetaObject>
#include <QPointer>
#include <map>

namespace tvx::ui_qt {

class FormDialog;

class QtFormWindow : public ui::FormWindow {
public:
    explicit QtFormWindow(FormDialog* dialog);
    ~QtFormWindow() override;
    QtFormWindow(const QtFormWindow&) = delete;
    QtFormWindow& operator=(const QtFormWindow&) = delete;

    void SetCaption(const QString& caption) override;
    QString Caption() const override;
    void ShowModal() override;
    void Hide() override;
    void OnClick(const QString& control, std::function<void()> handler) override;
    void SetControlCaption(const QString& control, const QString& caption) override;

    FormDialog* dialog() const;

private:
    QPointer<FormDialog> dialog_;
    std::map<QString, QMetaObject::Connection> clicks_;
};

}  // namespace tvx::ui_qt
