#include "ui_console/console_progress_bar.h"

#include "ui_console/console_interrupt.h"
#include "ui_console/console_transcript.h"

#include <algorithm>
#include <ostream>

namespace tvx::ui_console {

ConsoleProgressBar::ConsoleProgressBar(std::ostream& out, int barWidth, ProgressOutput output,
                                       ConsoleTranscript* transcript)
    : out_(out), barWidth_(std::max(1, barWidth)), output_(output), transcript_(transcript) {}

ConsoleProgressBar::~ConsoleProgressBar() { Hide(); }

void ConsoleProgressBar::SetBarMax(int max) { max_ = std::max(0, max); }

void ConsoleProgressBar::SetBarValue(int value) {
    value_ = std::clamp(value, 0, max_);
    if (step() != drawnStep_) {
        draw();
    } else if (value_ == max_ && output_ == ProgressOutput::Terminal) {
        draw();  // the last row always shows, whatever the percentage did
    }
}

void ConsoleProgressBar::Show() {
    if (!shown_) console_interrupt::watch();
    if (transcript_) transcript_->progressShown(true);
    shown_ = true;
    draw();
}

void ConsoleProgressBar::Hide() {
    if (!shown_) return;
    shown_ = false;
    console_interrupt::unwatch();
    if (transcript_) transcript_->progressShown(false);
    // Lines end as they are written; the redrawn line ends here.
    if (output_ == ProgressOutput::Terminal) out_ << '\n';
    out_.flush();
}

bool ConsoleProgressBar::CancelRequested() { return console_interrupt::requested(); }

int ConsoleProgressBar::percent() const { return max_ == 0 ? 0 : int(qint64(value_) * 100 / max_); }

int ConsoleProgressBar::step() const { return output_ == ProgressOutput::Terminal ? percent() : percent() / 10; }

QString ConsoleProgressBar::line() const {
    const int filled = max_ == 0 ? 0 : int(qint64(value_) * barWidth_ / max_);
    const QString bar = QString(filled, QLatin1Char('#')) + QString(barWidth_ - filled, QLatin1Char('.'));
    return caption_ + QStringLiteral(" [") + bar + QStringLiteral("] ") + QStringLiteral("%1% ").arg(percent(), 3) +
           label_;
}

void ConsoleProgressBar::draw() {
    if (!shown_) return;
    QString text = line();
    if (output_ == ProgressOutput::Lines) {
        out_ << text.toStdString() << '\n';
    } else {
        const qsizetype length = text.size();
        // Blanks over what a longer previous line left behind.
        if (length < drawnLength_) text += QString(drawnLength_ - length, QLatin1Char(' '));
        out_ << '\r' << text.toStdString();
        drawnLength_ = length;
    }
    out_.flush();
    drawnStep_ = step();
}

}  // namespace tvx::ui_console
