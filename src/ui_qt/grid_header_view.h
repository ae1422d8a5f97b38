#pragma once
// The grid's headings: a click sorts (ascending, descending, then the record
// set's own order again); dragging a heading away carries its column to the
// group-by area. A press on the edge between two headings resizes as usual.
// Section 0 is the tree column and cannot be dragged.
#include <QHeaderView>

namespace tvx::ui_qt {

class GroupByBar;

class GridHeaderView : public QHeaderView {
    Q_OBJECT
public:
    GridHeaderView(GroupByBar& groupByBar, QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool onSectionEdge(int x) const;

    GroupByBar& groupByBar_;
    QPoint pressPos_;
    int pressedSection_ = -1;
};

}  // namespace tvx::ui_qt
