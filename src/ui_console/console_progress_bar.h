#pragma once
// The progress window of batch runs: one line in the terminal, redrawn in
// place ("\r") as the bar moves: caption, bar, percentage and the window's
// label. It is redrawn only when the percentage changes (and at the last
// row), so a run of a hundred thousand rows writes about a hundred lines'
// worth, not a hundred thousand.
#include "platform/ui/progress_window.h"

#include <QString>
#include <iosfwd>

namespace tvx::ui_console {

class ConsoleProgressBar : public ui::ProgressWindow {
public:
    explicit ConsoleProgressBar(std::ostream& out, int barWidth = 30);
    ~ConsoleProgressBar() override;

    void SetCaption(const QString& caption) override { caption_ = caption; }
    void SetLabelCaption(const QString& caption) override { label_ = caption; }
    void SetBarMax(int max) override;
    void SetBarValue(int value) override;
    void Show() override;
    void Hide() override;

    // The line as it is drawn now.
    QString line() const;

private:
    int percent() const;
    void draw();

    std::ostream& out_;
    int barWidth_;
    QString caption_;
    QString label_;
    int max_ = 100;
    int value_ = 0;
    bool shown_ = false;
    int drawnPercent_ = -1;
    qsizetype drawnLength_ = 0;
};

}  // namespace tvx::ui_console
