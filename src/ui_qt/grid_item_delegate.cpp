#include "ui_qt/grid_item_delegate.h"

#include "ui_qt/grouping_proxy_model.h"

namespace tvx::ui_qt {

QSize GridItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    return QStyledItemDelegate::sizeHint(option, index) + QSize(0, 4);
}

void GridItemDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!index.data(GroupingProxyModel::GroupRowRole).toBool()) return;
    option->font.setBold(true);
    option->backgroundBrush = option->palette.color(QPalette::Window);
}

}  // namespace tvx::ui_qt
