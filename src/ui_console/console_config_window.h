#pragma once
// The configuration window of batch runs. Showing it prints the property
// grid (each category, then each item: identifier, caption, value as the
// grid shows it, and a list item's entries with their codes), applies the
// edits given on the command line as the user's (an item by identifier, a
// list item's entry by its caption or its code), then clicks the button
// whose caption was given (Confirmar, Cancelar or Sair). When an edit cannot
// be applied no button is clicked. The window then closes, as if by its
// close box, when the click has not hidden it.
#include "platform/ui/form_window.h"
#include "platform/ui/property_grid.h"

#include <QHash>
#include <QString>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <vector>

namespace tvx::ui_console {

class ConsoleTranscript;

// One --set ID=VALUE.
struct PropertyEdit {
    std::int16_t id = 0;
    QString value;
};

class ConsoleConfigWindow : public ui::FormWindow {
public:
    ConsoleConfigWindow(std::ostream& out, ui::PropertyGrid& grid, std::vector<PropertyEdit> edits,
                        std::optional<QString> button, ConsoleTranscript* transcript = nullptr);

    void SetCaption(const QString& caption) override { caption_ = caption; }
    QString Caption() const override { return caption_; }
    void ShowModal() override;
    void Hide() override { shown_ = false; }
    void OnClick(const QString& control, std::function<void()> handler) override;
    void SetControlCaption(const QString& control, const QString& caption) override;

private:
    bool apply(const PropertyEdit& edit);
    // False when the window has no such button.
    bool click(const QString& button);
    std::ostream& stream();
    void print(const QString& line);

    std::ostream& out_;
    ui::PropertyGrid& grid_;
    std::vector<PropertyEdit> edits_;
    std::optional<QString> button_;
    ConsoleTranscript* transcript_;
    QString caption_;
    bool shown_ = false;
    QHash<QString, std::function<void()>> clicks_;
    QHash<QString, QString> captions_;  // control -> caption
};

// The grid as printed: one line per category and per item, one per list's entries.
QString propertyGridText(const ui::PropertyGrid& grid);
// The entry of a list item that `value` names: by caption, then by code
// (letter case ignored in both); null when none does.
const ui::PropertyConstraint* entryNamed(const ui::PropertyGridItem& item, const QString& value);

}  // namespace tvx::ui_console
