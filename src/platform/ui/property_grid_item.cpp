#include "platform/ui/property_grid_item.h"

#include "platform/automation/automation_error.h"
#include "platform/automation/conversions.h"
#include "platform/ui/property_grid.h"

#include <optional>

namespace tvx::ui {

namespace {

// A list item's value as an entry number; none for "" or a value that is no number.
std::optional<std::int32_t> entryNumber(const Variant& value) {
    std::optional<std::int32_t> number;
    if (value.isNumeric()) tryIgnoringError([&] { number = CLng(value); });
    return number;
}

}  // namespace

PropertyGridItem::PropertyGridItem(PropertyGrid& grid, int kind, QString caption, Variant value)
    : grid_(grid), kind_(kind), caption_(std::move(caption)), value_(std::move(value)) {}

void PropertyGridItem::changed() { grid_.notifyItem(*this); }

void PropertyGridItem::SetDescription(const QString& description) {
    description_ = description;
    changed();
}

void PropertyGridItem::SetFlags(int flags) {
    flags_ = flags;
    changed();
}

void PropertyGridItem::SetPasswordMask(bool masked) {
    passwordMask_ = masked;
    changed();
}

void PropertyGridItem::SetValue(const Variant& value) {
    value_ = value;
    changed();
}

void PropertyGridItem::ClearConstraints() {
    constraints_.clear();
    changed();
}

void PropertyGridItem::AddConstraint(const QString& caption, std::int32_t data, const QString& code) {
    constraints_.push_back({caption, data, code});
    changed();
}

const PropertyConstraint* PropertyGridItem::SelectedConstraint() const {
    if (kind_ != PropertyItemList) return nullptr;
    const std::optional<std::int32_t> number = entryNumber(value_);
    if (!number) return nullptr;
    for (const PropertyConstraint& entry : constraints_)
        if (entry.data == *number) return &entry;
    return nullptr;
}

QString PropertyGridItem::ValueText() const {
    if (kind_ == PropertyItemList) {
        const PropertyConstraint* entry = SelectedConstraint();
        return entry ? entry->caption : QString();
    }
    QString text;
    if (!value_.isNull()) tryIgnoringError([&] { text = CStr(value_); });
    return text;
}

}  // namespace tvx::ui
