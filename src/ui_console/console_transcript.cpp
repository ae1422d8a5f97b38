#include "ui_console/console_transcript.h"

#include <ostream>
#include <utility>

namespace tvx::ui_console {

std::ostream& ConsoleTranscript::out() {
    flush();
    return out_;
}

void ConsoleTranscript::flush() {
    for (const QString& text : held_) out_ << text.toStdString();
    held_.clear();
    out_.flush();
}

void ConsoleTranscript::box(const ConsoleBox& box, const QString& printed) {
    record_.boxes.push_back(box);
    if (progressUp_)
        out_ << printed.toStdString() << std::flush;
    else
        held_.push_back(printed);
}

void ConsoleTranscript::progressShown(bool shown) {
    if (shown) {
        flush();
        record_.progressShown = true;
    }
    progressUp_ = shown;
}

void ConsoleTranscript::logShown(const std::function<void(std::ostream&)>& writeTable,
                                 const QMap<QString, int>& rowsPerEstado) {
    writeTable(out_);
    flush();
    ++record_.logsShown;
    for (auto it = rowsPerEstado.cbegin(); it != rowsPerEstado.cend(); ++it)
        record_.rowsPerEstado[it.key()] += it.value();
}

void ConsoleTranscript::configShown(bool carriedOut) {
    record_.configShown = true;
    record_.configCarriedOut = record_.configCarriedOut && carriedOut;
}

OperationRecord ConsoleTranscript::endOperation() {
    flush();
    progressUp_ = false;
    return std::exchange(record_, OperationRecord{});
}

}  // namespace tvx::ui_console
