#include "ui_console/console_config_window.h"

#include "ui_console/console_transcript.h"

#include <QStringList>
#include <ostream>

namespace tvx::ui_console {

namespace {

QString shown(const ui::PropertyGridItem& item) {
    const QString text = item.ValueText();
    return item.PasswordMask() ? QString(text.size(), u'*') : text;
}

QString entryText(const ui::PropertyConstraint& entry) {
    return entry.code.isEmpty() ? entry.caption : entry.caption + QStringLiteral(" [") + entry.code + u']';
}

QString withoutMnemonic(QString caption) { return caption.remove(u'&'); }

}  // namespace

QString propertyGridText(const ui::PropertyGrid& grid) {
    QStringList lines;
    for (const auto& category : grid.Categories()) {
        lines << category->Caption();
        for (const auto& item : category->Items()) {
            lines << QStringLiteral("  %1 %2: %3").arg(item->Id()).arg(item->Caption(), shown(*item));
            if (item->Kind() != ui::PropertyItemList) continue;
            QStringList entries;
            for (const ui::PropertyConstraint& entry : item->Constraints()) entries << entryText(entry);
            lines << QStringLiteral("       entries: ") +
                         (entries.isEmpty() ? QStringLiteral("(none)") : entries.join(QStringLiteral(" | ")));
        }
    }
    return lines.join(u'\n') + u'\n';
}

const ui::PropertyConstraint* entryNamed(const ui::PropertyGridItem& item, const QString& value) {
    for (const ui::PropertyConstraint& entry : item.Constraints())
        if (entry.caption.compare(value, Qt::CaseInsensitive) == 0) return &entry;
    for (const ui::PropertyConstraint& entry : item.Constraints())
        if (!entry.code.isEmpty() && entry.code.compare(value, Qt::CaseInsensitive) == 0) return &entry;
    return nullptr;
}

ConsoleConfigWindow::ConsoleConfigWindow(std::ostream& out, ui::PropertyGrid& grid, std::vector<PropertyEdit> edits,
                                         std::optional<QString> button, ConsoleTranscript* transcript)
    : out_(out), grid_(grid), edits_(std::move(edits)), button_(std::move(button)), transcript_(transcript) {}

std::ostream& ConsoleConfigWindow::stream() { return transcript_ ? transcript_->out() : out_; }

void ConsoleConfigWindow::print(const QString& line) { stream() << (line + u'\n').toStdString() << std::flush; }

void ConsoleConfigWindow::ShowModal() {
    shown_ = true;
    stream() << (QStringLiteral("== ") + caption_ + QStringLiteral(" ==\n") + propertyGridText(grid_)).toStdString();
    bool applied = true;
    for (const PropertyEdit& edit : edits_) {
        if (!shown_) break;
        applied = apply(edit) && applied;
    }
    bool clicked = !button_;
    if (button_ && shown_) {
        if (applied)
            clicked = click(*button_);
        else
            print(QStringLiteral("(%1 not clicked: an edit was not applied)").arg(*button_));
    }
    shown_ = false;
    if (transcript_) transcript_->configShown(applied && clicked);
}

bool ConsoleConfigWindow::apply(const PropertyEdit& edit) {
    ui::PropertyGridItem* item = grid_.FindItem(edit.id);
    if (!item) {
        print(QStringLiteral("set %1: the grid has no item %1").arg(edit.id));
        return false;
    }
    if (item->Kind() == ui::PropertyItemList) {
        const ui::PropertyConstraint* entry = entryNamed(*item, edit.value);
        if (!entry) {
            print(QStringLiteral("set %1 %2: no entry \"%3\"").arg(edit.id).arg(item->Caption(), edit.value));
            return false;
        }
        grid_.userSetValue(*item, Variant(entry->data));
    } else {
        grid_.userSetValue(*item, Variant(edit.value));
    }
    print(QStringLiteral("set %1 %2 = %3").arg(edit.id).arg(item->Caption(), shown(*item)));
    return true;
}

bool ConsoleConfigWindow::click(const QString& button) {
    for (auto it = captions_.cbegin(); it != captions_.cend(); ++it) {
        if (withoutMnemonic(it.value()).compare(button, Qt::CaseInsensitive) != 0) continue;
        print(QStringLiteral("click: ") + withoutMnemonic(it.value()));
        // A copy: the click may connect the buttons again.
        if (const std::function<void()> handler = clicks_.value(it.key())) handler();
        return true;
    }
    print(QStringLiteral("click: the window has no button \"%1\"").arg(button));
    return false;
}

void ConsoleConfigWindow::OnClick(const QString& control, std::function<void()> handler) {
    if (handler)
        clicks_.insert(control, std::move(handler));
    else
        clicks_.remove(control);
}

void ConsoleConfigWindow::SetControlCaption(const QString& control, const QString& caption) {
    captions_.insert(control, caption);
}

}  // namespace tvx::ui_console
