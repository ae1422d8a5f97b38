#pragma once
// A property grid on the screen: the tree of categories and items (caption
// and value columns, categories expanded as the grid has them, spanning the
// row) above a pane with the selected row's caption and description.
// Keyboard: arrows move and open or close categories; Enter, F2 or typing
// edits the value; F4 opens a list's drop-down or presses the in-place button.
#include <QWidget>

class QLabel;
class QTreeView;

namespace tvx::ui {
class PropertyGrid;
}

namespace tvx::ui_qt {

class PropertyGridDelegate;
class PropertyGridModel;

class PropertyGridWidget : public QWidget {
    Q_OBJECT
public:
    explicit PropertyGridWidget(ui::PropertyGrid& grid, QWidget* parent = nullptr);

    QTreeView* view() const { return view_; }
    PropertyGridModel* model() const { return model_; }
    PropertyGridDelegate* delegate() const { return delegate_; }
    QLabel* descriptionTitle() const { return title_; }
    QLabel* descriptionText() const { return text_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // After the grid's categories or items changed: categories spanned and
    // expanded as the grid has them, the caption column fitted.
    void showStructure();
    void showDescription(const QModelIndex& current);
    bool keyPressed(QKeyEvent* key);
    // Where the value cell at `value` draws its in-place button (empty: none).
    QRect buttonAt(const QModelIndex& value) const;

    PropertyGridModel* model_;
    PropertyGridDelegate* delegate_;
    QTreeView* view_;
    QLabel* title_;
    QLabel* text_;
};

}  // namespace tvx::ui_qt
