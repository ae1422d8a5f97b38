#pragma once
// Draws the grid's group rows in bold on a light band, so that they stand
// out from the rows they hold.
#include <QStyledItemDelegate>

namespace tvx::ui_qt {

class GroupRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

}  // namespace tvx::ui_qt
