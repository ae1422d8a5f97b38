#include "ui_qt/qt_message_box.h"

#include "ui_qt/dialog_parent.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

namespace tvx::ui_qt {

namespace {

const char* const AnswerProperty = "msgBoxAnswer";

// The button texts of a Portuguese desktop.
QString buttonText(ui::MsgBoxResult answer) {
    switch (answer) {
        case ui::vbOK:
            return QStringLiteral("OK");
        case ui::vbCancel:
            return QStringLiteral("Cancelar");
        case ui::vbAbort:
            return QStringLiteral("&Anular");
        case ui::vbRetry:
            return QStringLiteral("&Repetir");
        case ui::vbIgnore:
            return QStringLiteral("&Ignorar");
        case ui::vbYes:
            return QStringLiteral("&Sim");
        case ui::vbNo:
            return QStringLiteral("&Não");
    }
    return {};
}

QMessageBox::Icon boxIcon(ui::MsgBoxIcon icon) {
    switch (icon) {
        case ui::MsgBoxIcon::Critical:
            return QMessageBox::Critical;
        case ui::MsgBoxIcon::Question:
            return QMessageBox::Question;
        case ui::MsgBoxIcon::Exclamation:
            return QMessageBox::Warning;
        case ui::MsgBoxIcon::Information:
            return QMessageBox::Information;
        case ui::MsgBoxIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

std::unique_ptr<QMessageBox> newMessageBox(const QString& prompt, int style, const QString& title, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(parent ? parent : dialogParent());
    box->setWindowTitle(title.isEmpty() ? QGuiApplication::applicationDisplayName() : title);
    box->setTextFormat(Qt::PlainText);  // descriptions may hold '<' and '&'
    QString text = prompt;
    box->setText(
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    box->setIcon(boxIcon(ui::msgBoxIcon(style)));

    const int defaultAnswer = ui::msgBoxDefaultAnswer(style);
    const int escapeAnswer = ui::msgBoxEscapeAnswer(style);
    for (const auto answer : ui::msgBoxButtons(style)) {
        // One role for all keeps the platform's order; the roles' own escape
        // guesses (No as Escape) are not the platform's.
        QPushButton* button = box->addButton(buttonText(answer), QMessageBox::ActionRole);
        button->setProperty(AnswerProperty, int(answer));
        if (answer == defaultAnswer) box->setDefaultButton(button);
        if (answer == escapeAnswer) box->setEscapeButton(button);
    }
    // With no answer for Escape the platform's box has no close box either.
    if (escapeAnswer == 0)
        box->setWindowFlags((box->windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint) &
                            ~Qt::WindowCloseButtonHint);
    return box;
}

int messageBoxAnswer(const QMessageBox& box, int style) {
    const QAbstractButton* clicked = box.clickedButton();
    return clicked ? clicked->property(AnswerProperty).toInt() : ui::msgBoxEscapeAnswer(style);
}

int QtMessageBox::MsgBox(const QString& prompt, int style, const QString& title) {
    const auto box = newMessageBox(prompt, style, title);
    box->exec();
    return messageBoxAnswer(*box, style);
}

}  // namespace tvx::ui_qt
