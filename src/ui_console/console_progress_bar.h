#pragma once
// The progress window of batch runs: caption, bar, percentage and the
// window's label on one line. On a terminal the line is redrawn in place
// ("\r") only when the percentage changes (and at the last row), so a run of
// a hundred thousand rows writes about a hundred lines' worth, not a hundred
// thousand. Into a file or a pipe, where "\r" would pile every redraw onto
// one long line, a plain line is written when the window shows and at each
// tenth of the way: a dozen lines per run. While it is up, Ctrl+C asks the
// run to stop (see console_interrupt.h).
#include "platform/ui/progress_window.h"

#include <QString>
#include <iosfwd>

namespace tvx::ui_console {

class ConsoleTranscript;

enum class ProgressOutput { Terminal, Lines };

class ConsoleProgressBar : public ui::ProgressWindow {
public:
    explicit ConsoleProgressBar(std::ostream& out, int barWidth = 30, ProgressOutput output = ProgressOutput::Terminal,
                                ConsoleTranscript* transcript = nullptr);
    ~ConsoleProgressBar() override;

    void SetCaption(const QString& caption) override { caption_ = caption; }
    void SetLabelCaption(const QString& caption) override { label_ = caption; }
    void SetBarMax(int max) override;
    void SetBarValue(int value) override;
    void Show() override;
    void Hide() override;
    bool CancelRequested() override;

    // The line as it is drawn now.
    QString line() const;

private:
    int percent() const;
    // What a new drawing needs to change: the percentage on a terminal, the tenth in lines.
    int step() const;
    void draw();

    std::ostream& out_;
    int barWidth_;
    ProgressOutput output_;
    ConsoleTranscript* transcript_;
    QString caption_;
    QString label_;
    int max_ = 100;
    int value_ = 0;
    bool shown_ = false;
    int drawnStep_ = -1;
    qsizetype drawnLength_ = 0;
};

}  // namespace tvx::ui_console
