#pragma once
// A property grid as a tree model: the categories at the top, their items
// below; column 0 the caption, column 1 the value as the grid shows it (a
// masked text as bullets). Only values are editable: a list item takes an
// entry number, a text item a text; a changed value goes to the grid as the
// user's (its value-changed event follows), an unchanged one goes nowhere.
// The model follows every change of the grid made by the form's logic.
#include "platform/ui/property_grid.h"

#include <QAbstractItemModel>

namespace tvx::ui_qt {

class PropertyGridModel : public QAbstractItemModel, private ui::PropertyGrid::Observer {
    Q_OBJECT
public:
    enum Role {
        DescriptionRole = Qt::UserRole + 1,  // the category's or item's description
        CategoryRole,                        // true on a category row
    };
    enum Column { CaptionColumn = 0, ValueColumn = 1 };

    explicit PropertyGridModel(ui::PropertyGrid& grid, QObject* parent = nullptr);
    ~PropertyGridModel() override;

    ui::PropertyGrid& grid() const { return grid_; }
    // The item of a row (null on a category row); the category of a category row.
    ui::PropertyGridItem* itemAt(const QModelIndex& index) const;
    ui::PropertyGridCategory* categoryAt(const QModelIndex& index) const;
    QModelIndex indexOf(const ui::PropertyGridItem& item, int column) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void structureChanged() override;
    void itemChanged(const ui::PropertyGridItem& item) override;

    ui::PropertyGrid& grid_;
};

// What the grid shows for an item's value: its entry's caption or its text,
// bullets for a masked text.
QString shownValue(const ui::PropertyGridItem& item);

}  // namespace tvx::ui_qt
