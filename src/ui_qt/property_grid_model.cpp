#include "ui_qt/property_grid_model.h"

#include "platform/automation/conversions.h"

#include <QFont>

namespace tvx::ui_qt {

namespace {

// internalId: 0 for a category row, the category's row + 1 for an item row.
constexpr quintptr CategoryId = 0;

}  // namespace

QString shownValue(const ui::PropertyGridItem& item) {
    const QString text = item.ValueText();
    return item.PasswordMask() ? QString(text.size(), QChar(0x2022)) : text;
}

PropertyGridModel::PropertyGridModel(ui::PropertyGrid& grid, QObject* parent)
    : QAbstractItemModel(parent), grid_(grid) {
    grid_.setObserver(this);
}

PropertyGridModel::~PropertyGridModel() { grid_.setObserver(nullptr); }

ui::PropertyGridCategory* PropertyGridModel::categoryAt(const QModelIndex& index) const {
    if (!index.isValid() || index.internalId() != CategoryId) return nullptr;
    return grid_.Categories().at(std::size_t(index.row())).get();
}

ui::PropertyGridItem* PropertyGridModel::itemAt(const QModelIndex& index) const {
    if (!index.isValid() || index.internalId() == CategoryId) return nullptr;
    const auto& category = grid_.Categories().at(std::size_t(index.internalId() - 1));
    return category->Items().at(std::size_t(index.row())).get();
}

QModelIndex PropertyGridModel::indexOf(const ui::PropertyGridItem& item, int column) const {
    const auto& categories = grid_.Categories();
    for (std::size_t c = 0; c < categories.size(); ++c) {
        const auto& items = categories[c]->Items();
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i].get() == &item) return createIndex(int(i), column, quintptr(c + 1));
    }
    return {};
}

QModelIndex PropertyGridModel::index(int row, int column, const QModelIndex& parent) const {
    if (!hasIndex(row, column, parent)) return {};
    if (!parent.isValid()) return createIndex(row, column, CategoryId);
    return createIndex(row, column, quintptr(parent.row() + 1));
}

QModelIndex PropertyGridModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || child.internalId() == CategoryId) return {};
    return createIndex(int(child.internalId() - 1), 0, CategoryId);
}

int PropertyGridModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid()) return int(grid_.Categories().size());
    if (parent.column() != 0) return 0;
    const ui::PropertyGridCategory* category = categoryAt(parent);
    return category ? int(category->Items().size()) : 0;
}

int PropertyGridModel::columnCount(const QModelIndex&) const { return 2; }

QVariant PropertyGridModel::data(const QModelIndex& index, int role) const {
    if (const ui::PropertyGridCategory* category = categoryAt(index)) {
        switch (role) {
            case Qt::DisplayRole:
                return index.column() == CaptionColumn ? category->Caption() : QString();
            case DescriptionRole:
                return category->Description();
            case CategoryRole:
                return true;
            case Qt::FontRole: {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            default:
                return {};
        }
    }
    const ui::PropertyGridItem* item = itemAt(index);
    if (!item) return {};
    switch (role) {
        case Qt::DisplayRole:
            return index.column() == CaptionColumn ? item->Caption() : shownValue(*item);
        case Qt::EditRole:
            if (index.column() != ValueColumn) return {};
            if (item->Kind() == ui::PropertyItemList) {
                const ui::PropertyConstraint* entry = item->SelectedConstraint();
                return entry ? QVariant(entry->data) : QVariant();
            }
            return item->ValueText();
        case Qt::ToolTipRole:
        case DescriptionRole:
            return item->Description();
        case CategoryRole:
            return false;
        default:
            return {};
    }
}

bool PropertyGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    ui::PropertyGridItem* item = itemAt(index);
    if (!item || index.column() != ValueColumn || role != Qt::EditRole || !value.isValid()) return false;
    if (item->Kind() == ui::PropertyItemList) {
        const auto number = std::int32_t(value.toInt());
        const ui::PropertyConstraint* entry = item->SelectedConstraint();
        if (entry && entry->data == number) return true;
        grid_.userSetValue(*item, Variant(number));
    } else {
        const QString text = value.toString();
        if (text == item->ValueText()) return true;
        grid_.userSetValue(*item, Variant(text));
    }
    return true;
}

Qt::ItemFlags PropertyGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (itemAt(index) && index.column() == ValueColumn) flags |= Qt::ItemIsEditable;
    return flags;
}

QVariant PropertyGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return section == CaptionColumn ? QStringLiteral("Propriedade") : QStringLiteral("Valor");
}

void PropertyGridModel::structureChanged() {
    beginResetModel();
    endResetModel();
}

void PropertyGridModel::itemChanged(const ui::PropertyGridItem& item) {
    const QModelIndex first = indexOf(item, CaptionColumn);
    if (first.isValid()) emit dataChanged(first, first.siblingAtColumn(ValueColumn));
}

}  // namespace tvx::ui_qt
