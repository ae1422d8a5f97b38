#pragma once
// A form window whose modal show plays scripted user actions (button clicks
// forwarded to the form's logic) while the window stays shown. It keeps the
// captions and click handlers the form's logic gives its buttons. When the
// script runs out with the window still shown, the user closes it with the
// close box.
#include "platform/ui/form_window.h"

#include <QHash>
#include <deque>
#include <functional>
#include <vector>

namespace tvx::testing {

class FakeFormWindow : public ui::FormWindow {
public:
    explicit FakeFormWindow(QString designCaption = {}) : caption_(std::move(designCaption)) {}

    void whileShown(std::function<void()> action) { script_.push_back(std::move(action)); }

    void SetCaption(const QString& caption) override { caption_ = caption; }
    QString Caption() const override { return caption_; }
    void ShowModal() override;
    void Hide() override { shown_ = false; }
    void OnClick(const QString& control, std::function<void()> handler) override;
    void SetControlCaption(const QString& control, const QString& caption) override { captions_[control] = caption; }

    // The user clicks the button named `control`; false when nothing is connected to it.
    bool click(const QString& control);
    QString controlCaption(const QString& control) const { return captions_.value(control); }

    bool shown() const { return shown_; }
    int modalShows() const { return modalShows_; }
    const std::vector<QString>& captionsAtShow() const { return captionsAtShow_; }
    bool closedByCloseBox() const { return closedByCloseBox_; }

private:
    QString caption_;
    bool shown_ = false;
    bool closedByCloseBox_ = false;
    int modalShows_ = 0;
    std::vector<QString> captionsAtShow_;
    std::deque<std::function<void()>> script_;
    QHash<QString, std::function<void()>> clicks_;
    QHash<QString, QString> captions_;
};

}  // namespace tvx::testing
