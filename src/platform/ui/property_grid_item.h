#pragma once
// An item of a property grid: a caption, a description the grid shows while
// the item is selected, a 16-bit identifier, a kind and a value. A list item
// holds the number of one entry of its pick list; a text item holds its text.
// Flags make a text item editable and give it an in-place button; a masked
// item shows its text hidden.
#include "platform/automation/variant.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace tvx::ui {

// Item kinds, in the grid's own codes.
enum PropertyItemKind : int { PropertyItemText = 0, PropertyItemList = 8 };
// Item flag bits.
enum PropertyItemFlags : int { PropertyItemHasEdit = 1, PropertyItemHasButton = 2 };

// One entry of a list item's pick list.
struct PropertyConstraint {
    QString caption;
    std::int32_t data = 0;
    QString code;  // the code behind the entry, by which a batch run can pick it ("" for none)
};

class PropertyGrid;

class PropertyGridItem {
public:
    PropertyGridItem(PropertyGrid& grid, int kind, QString caption, Variant value);
    PropertyGridItem(const PropertyGridItem&) = delete;
    PropertyGridItem& operator=(const PropertyGridItem&) = delete;

    int Kind() const { return kind_; }
    const QString& Caption() const { return caption_; }
    const QString& Description() const { return description_; }
    void SetDescription(const QString& description);
    std::int16_t Id() const { return id_; }
    void SetId(std::int16_t id) { id_ = id; }
    int Flags() const { return flags_; }
    void SetFlags(int flags);
    bool PasswordMask() const { return passwordMask_; }
    void SetPasswordMask(bool masked);
    const Variant& Value() const { return value_; }
    void SetValue(const Variant& value);

    // The pick list.
    void ClearConstraints();
    void AddConstraint(const QString& caption, std::int32_t data, const QString& code = {});
    const std::vector<PropertyConstraint>& Constraints() const { return constraints_; }
    // The entry whose number is the value; null when none is (or for a text item).
    const PropertyConstraint* SelectedConstraint() const;
    // What the grid shows as the value: a list item's entry caption ("" when
    // its value matches no entry), a text item's text (unmasked).
    QString ValueText() const;

private:
    void changed();

    PropertyGrid& grid_;
    int kind_;
    QString caption_;
    QString description_;
    std::int16_t id_ = 0;
    int flags_ = 0;
    bool passwordMask_ = false;
    Variant value_;
    std::vector<PropertyConstraint> constraints_;
};

}  // namespace tvx::ui
