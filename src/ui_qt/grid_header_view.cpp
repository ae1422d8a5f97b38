#include "ui_qt/grid_header_view.h"

#include "ui_qt/group_by_bar.h"

#include <QApplication>
#include <QDrag>
#include <QMouseEvent>
#include <QStyle>

namespace tvx::ui_qt {

GridHeaderView::GridHeaderView(GroupByBar& groupByBar, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), groupByBar_(groupByBar) {
    setSectionsClickable(true);
    setSectionsMovable(false);
    setSortIndicatorClearable(true);
    setHighlightSections(false);
}

bool GridHeaderView::onSectionEdge(int x) const {
    const int grip = style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, this) + 1;
    const int section = logicalIndexAt(x);
    if (section < 0) return false;
    const int left = sectionViewportPosition(section);
    const int right = left + sectionSize(section);
    return x - left <= grip || right - x <= grip;
}

void GridHeaderView::mousePressEvent(QMouseEvent* event) {
    pressPos_ = event->position().toPoint();
    const int section = logicalIndexAt(pressPos_);
    pressedSection_ = event->button() == Qt::LeftButton && section > 0 && !onSectionEdge(pressPos_.x()) ? section : -1;
    QHeaderView::mousePressEvent(event);
}

void GridHeaderView::mouseMoveEvent(QMouseEvent* event) {
    const bool dragging =
        pressedSection_ > 0 && (event->buttons() & Qt::LeftButton) &&
        (event->position().toPoint() - pressPos_).manhattanLength() >= QApplication::startDragDistance();
    if (!dragging) return QHeaderView::mouseMoveEvent(event);

    const int section = pressedSection_;
    pressedSection_ = -1;
    const QRect heading(sectionViewportPosition(section), 0, sectionSize(section), height());
    auto* drag = new QDrag(this);
    drag->setMimeData(groupByBar_.columnMimeData(section - 1));
    drag->setPixmap(viewport()->grab(heading));
    drag->setHotSpot(pressPos_ - heading.topLeft());
    drag->exec(Qt::CopyAction);
    // The drag took the button's release: end the press away from any
    // heading, so that it does not count as a click that sorts.
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(-1, -1), QPointF(-1, -1), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QHeaderView::mouseReleaseEvent(&release);
}

}  // namespace tvx::ui_qt
