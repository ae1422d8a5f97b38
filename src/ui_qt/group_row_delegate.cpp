#include "ui_qt/group_row_delegate.h"

#include "ui_qt/grouping_proxy_model.h"

namespace tvx::ui_qt {

void GroupRowDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!index.data(GroupingProxyModel::GroupRowRole).toBool()) return;
    option->font.setBold(true);
    option->backgroundBrush = option->palette.color(QPalette::Window);
}

}  // namespace tvx::ui_qt
