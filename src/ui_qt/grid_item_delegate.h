#pragma once
// Draws the grid's cells with a little room above and below the text, and
// its group rows in bold on a band, so that they stand out from the rows
// they hold.
#include <QStyledItemDelegate>

namespace tvx::ui_qt {

class GridItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

}  // namespace tvx::ui_qt
