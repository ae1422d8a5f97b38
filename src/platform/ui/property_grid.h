#pragma once
// A property grid: categories of items, each category with a caption, a
// description and an expanded switch. The grid holds the items and their
// values; a view draws them (it is told of every change) and passes on what
// the user does: a value changed, or an item's in-place button pressed. The
// form's logic gets both as events.
#include "platform/ui/property_grid_item.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace tvx::ui {

class PropertyGridCategory {
public:
    PropertyGridCategory(PropertyGrid& grid, QString caption);
    PropertyGridCategory(const PropertyGridCategory&) = delete;
    PropertyGridCategory& operator=(const PropertyGridCategory&) = delete;

    const QString& Caption() const { return caption_; }
    const QString& Description() const { return description_; }
    void SetDescription(const QString& description);
    bool Expanded() const { return expanded_; }
    void Expand();
    // A new item at the end of the category.
    PropertyGridItem& AddChildItem(int kind, const QString& caption, const Variant& value);
    const std::vector<std::unique_ptr<PropertyGridItem>>& Items() const { return items_; }

private:
    PropertyGrid& grid_;
    QString caption_;
    QString description_;
    bool expanded_ = false;
    std::vector<std::unique_ptr<PropertyGridItem>> items_;
};

class PropertyGrid {
public:
    using ItemHandler = std::function<void(PropertyGridItem&)>;

    // What a view is told: the categories or items changed (added,
    // described, expanded), or one item's value or pick list did.
    class Observer {
    public:
        virtual ~Observer() = default;
        virtual void structureChanged() = 0;
        virtual void itemChanged(const PropertyGridItem& item) = 0;
    };

    PropertyGrid() = default;
    PropertyGrid(const PropertyGrid&) = delete;
    PropertyGrid& operator=(const PropertyGrid&) = delete;

    // The grid's look, a code of its own (the configuration editor asks for 2:
    // categories drawn as shaded bands).
    int Appearance() const { return appearance_; }
    void SetAppearance(int appearance);

    PropertyGridCategory& AddCategory(const QString& caption);
    const std::vector<std::unique_ptr<PropertyGridCategory>>& Categories() const { return categories_; }
    // The item with that identifier; null when there is none.
    PropertyGridItem* FindItem(std::int16_t id) const;

    // The events; an empty handler disconnects.
    void OnValueChanged(ItemHandler handler) { valueChanged_ = std::move(handler); }
    void OnInplaceButtonDown(ItemHandler handler) { inplaceButton_ = std::move(handler); }

    // What the user does, as the views pass it on: a new value (then the
    // value-changed event), an in-place button pressed (its event).
    void userSetValue(PropertyGridItem& item, const Variant& value);
    void userPressButton(PropertyGridItem& item);

    // The view drawing the grid (null: none).
    void setObserver(Observer* observer) { observer_ = observer; }

private:
    friend class PropertyGridItem;
    friend class PropertyGridCategory;
    void notifyStructure();
    void notifyItem(const PropertyGridItem& item);

    int appearance_ = 0;
    std::vector<std::unique_ptr<PropertyGridCategory>> categories_;
    ItemHandler valueChanged_;
    ItemHandler inplaceButton_;
    Observer* observer_ = nullptr;
};

}  // namespace tvx::ui
