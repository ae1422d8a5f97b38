#include "ui_console/console_message_box.h"

#include "ui_console/console_transcript.h"

#include <QStringList>
#include <ostream>

namespace tvx::ui_console {

namespace {

QString buttonName(int answer) {
    switch (answer) {
        case ui::vbOK:
            return QStringLiteral("OK");
        case ui::vbCancel:
            return QStringLiteral("Cancel");
        case ui::vbAbort:
            return QStringLiteral("Abort");
        case ui::vbRetry:
            return QStringLiteral("Retry");
        case ui::vbIgnore:
            return QStringLiteral("Ignore");
        case ui::vbYes:
            return QStringLiteral("Yes");
        case ui::vbNo:
            return QStringLiteral("No");
        default:
            return QStringLiteral("?");
    }
}

QString iconMark(ui::MsgBoxIcon icon) {
    switch (icon) {
        case ui::MsgBoxIcon::Critical:
            return QStringLiteral("(x) ");
        case ui::MsgBoxIcon::Question:
            return QStringLiteral("(?) ");
        case ui::MsgBoxIcon::Exclamation:
            return QStringLiteral("(!) ");
        case ui::MsgBoxIcon::Information:
            return QStringLiteral("(i) ");
        case ui::MsgBoxIcon::None:
            break;
    }
    return {};
}

}  // namespace

QString consoleMessageBoxText(const QString& prompt, int style, const QString& title, int answer) {
    const int defaultAnswer = ui::msgBoxDefaultAnswer(style);
    QStringList buttons;
    for (const auto button : ui::msgBoxButtons(style)) {
        const QString name = buttonName(button);
        buttons << (button == defaultAnswer ? QLatin1Char('[') + name + QLatin1Char(']') : name);
    }
    // Line breaks of the text keep the box's indentation.
    QString text = prompt;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\n    "));
    return QStringLiteral("== ") + title + QStringLiteral(" ==\n    ") + iconMark(ui::msgBoxIcon(style)) + text +
           QStringLiteral("\n    ") + buttons.join(QLatin1Char(' ')) + QStringLiteral(" -> ") + buttonName(answer) +
           QLatin1Char('\n');
}

ConsoleMessageBox::ConsoleMessageBox(std::ostream& out, ConsoleTranscript* transcript)
    : out_(out), transcript_(transcript) {}

int ConsoleMessageBox::MsgBox(const QString& prompt, int style, const QString& title) {
    const int answer = ui::msgBoxDefaultAnswer(style);
    const QString printed = consoleMessageBoxText(prompt, style, title, answer);
    if (transcript_)
        transcript_->box({.title = title, .text = prompt, .style = style}, printed);
    else
        out_ << printed.toStdString() << std::flush;
    return answer;
}

}  // namespace tvx::ui_console
