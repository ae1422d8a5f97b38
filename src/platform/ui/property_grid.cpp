#include "platform/ui/property_grid.h"

namespace tvx::ui {

PropertyGridCategory::PropertyGridCategory(PropertyGrid& grid, QString caption)
    : grid_(grid), caption_(std::move(caption)) {}

void PropertyGridCategory::SetDescription(const QString& description) {
    description_ = description;
    grid_.notifyStructure();
}

void PropertyGridCategory::Expand() {
    expanded_ = true;
    grid_.notifyStructure();
}

PropertyGridItem& PropertyGridCategory::AddChildItem(int kind, const QString& caption, const Variant& value) {
    items_.push_back(std::make_unique<PropertyGridItem>(grid_, kind, caption, value));
    grid_.notifyStructure();
    return *items_.back();
}

void PropertyGrid::SetAppearance(int appearance) {
    appearance_ = appearance;
    notifyStructure();
}

PropertyGridCategory& PropertyGrid::AddCategory(const QString& caption) {
    categories_.push_back(std::make_unique<PropertyGridCategory>(*this, caption));
    notifyStructure();
    return *categories_.back();
}

PropertyGridItem* PropertyGrid::FindItem(std::int16_t id) const {
    for (const auto& category : categories_)
        for (const auto& item : category->Items())
            if (item->Id() == id) return item.get();
    return nullptr;
}

void PropertyGrid::userSetValue(PropertyGridItem& item, const Variant& value) {
    item.SetValue(value);
    // A copy: the handler may connect the event again.
    if (const ItemHandler handler = valueChanged_) handler(item);
}

void PropertyGrid::userPressButton(PropertyGridItem& item) {
    if (const ItemHandler handler = inplaceButton_) handler(item);
}

void PropertyGrid::notifyStructure() {
    if (observer_) observer_->structureChanged();
}

void PropertyGrid::notifyItem(const PropertyGridItem& item) {
    if (observer_) observer_->itemChanged(item);
}

}  // namespace tvx::ui
