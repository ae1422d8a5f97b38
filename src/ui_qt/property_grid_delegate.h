#pragma once
// Draws and edits a property grid's cells: categories in bold on a band (the
// grid's appearance 2 shades the band), a list item edited with a drop-down
// of its entries (a pick commits at once), a text item edited in place
// (masked when its item is), and an item with an in-place button drawn with
// a "…" button at the right of its value, in the cell and in its editor:
// pressing it commits what was typed, then raises the grid's button event.
#include <QStyledItemDelegate>

namespace tvx::ui_qt {

class PropertyGridModel;

class PropertyGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit PropertyGridDelegate(PropertyGridModel& model, QObject* parent = nullptr);

    // Where a value cell draws its in-place button; empty when it has none.
    QRect buttonRect(const QStyleOptionViewItem& option, const QModelIndex& index) const;
    // Raises the button event of the item at `index` once control is back in the event loop.
    void pressButton(const QModelIndex& index) const;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    PropertyGridModel& model_;
};

}  // namespace tvx::ui_qt
