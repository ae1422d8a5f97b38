#pragma once
// The grid's group-by area: a strip above the headings that shows its text
// while nothing is grouped, and one label per grouped column otherwise,
// outermost first. A heading dropped on it groups by that column where it
// was dropped; a label dragged elsewhere in the strip moves, dragged out of
// it (or double-clicked) ungroups.
#include <QWidget>
#include <utility>
#include <vector>

class QMimeData;

namespace tvx::ui_qt {

class GroupByBar : public QWidget {
    Q_OBJECT
public:
    // What a drag of one of this grid's columns carries: this area's
    // identity and the source column, so that columns of other grids (or
    // other programs) are refused.
    QMimeData* columnMimeData(int column) const;

    explicit GroupByBar(QWidget* parent = nullptr);

    QString text() const { return text_; }
    void setText(const QString& text);
    // The grouped columns: source column and caption, outermost first.
    void setGroups(std::vector<std::pair<int, QString>> groups);
    const std::vector<std::pair<int, QString>>& groups() const { return groups_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // Group by `column` as the `position`-th grouping (0 outermost).
    void columnDropped(int column, int position);
    void columnRemoved(int column);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QRect labelRect(int index) const;
    int labelAt(const QPoint& pos) const;
    int positionAt(const QPoint& pos) const;  // where a drop at `pos` would insert
    // The column a drag carries, or -1 when it is not one of this grid's.
    int draggedColumn(const QDropEvent* event) const;

    QString text_;
    std::vector<std::pair<int, QString>> groups_;
    QPoint pressPos_;
    int pressedLabel_ = -1;
    bool droppedHere_ = false;
    int dropMarker_ = -1;
};

}  // namespace tvx::ui_qt
