#include "ui_console/console_common_dialog.h"

#include "ui_console/console_transcript.h"

#include <QFileInfo>
#include <ostream>

namespace tvx::ui_console {

ConsoleCommonDialog::ConsoleCommonDialog(std::ostream& out, std::optional<QString> openAnswer,
                                         std::optional<QString> saveAnswer, ConsoleTranscript* transcript)
    : out_(out), openAnswer_(std::move(openAnswer)), saveAnswer_(std::move(saveAnswer)), transcript_(transcript) {}

std::optional<QString> ConsoleCommonDialog::choose(ui::FileDialogKind kind) {
    const bool open = kind == ui::FileDialogKind::Open;
    std::optional<QString> answer = open ? openAnswer_ : saveAnswer_;
    QString note;
    if (answer && open && (Flags & ui::cdlOFNFileMustExist) && !QFileInfo(*answer).isFile()) {
        note = QStringLiteral(" (no such file)");
        answer.reset();
    }
    const QString shown = answer ? *answer : QStringLiteral("cancelled") + note;
    (transcript_ ? transcript_->out() : out_)
        << (QStringLiteral("== ") + DialogTitle + QStringLiteral(" == ") +
            (open ? QStringLiteral("open: ") : QStringLiteral("save: ")) + shown + QLatin1Char('\n'))
               .toStdString()
        << std::flush;
    return answer;
}

}  // namespace tvx::ui_console
