#include "ui_qt/group_by_bar.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>

namespace tvx::ui_qt {

namespace {
constexpr int Margin = 6;
constexpr int Gap = 6;
constexpr int Padding = 8;
}  // namespace

namespace {

const QString ColumnMimeType = QStringLiteral("application/x-telvarix-grid-column");

QByteArray identity(const GroupByBar* bar) {
    return QByteArray::number(QCoreApplication::applicationPid()) + '/' +
           QByteArray::number(reinterpret_cast<quintptr>(bar));
}

}  // namespace

QMimeData* GroupByBar::columnMimeData(int column) const {
    auto* mime = new QMimeData;
    mime->setData(ColumnMimeType, identity(this) + ' ' + QByteArray::number(column));
    return mime;
}

GroupByBar::GroupByBar(QWidget* parent) : QWidget(parent) {
    setAcceptDrops(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setObjectName(QStringLiteral("groupByBar"));
}

void GroupByBar::setText(const QString& text) {
    text_ = text;
    update();
}

void GroupByBar::setGroups(std::vector<std::pair<int, QString>> groups) {
    groups_ = std::move(groups);
    update();
}

QSize GroupByBar::sizeHint() const {
    const int height = fontMetrics().height() + 2 * Padding + 2 * Margin - 4;
    return {fontMetrics().horizontalAdvance(text_) + 2 * (Margin + Padding), height};
}

QSize GroupByBar::minimumSizeHint() const { return {0, sizeHint().height()}; }

QRect GroupByBar::labelRect(int index) const {
    const int height = fontMetrics().height() + Padding;
    int x = Margin;
    for (int i = 0; i < index; ++i)
        x += fontMetrics().horizontalAdvance(groups_[std::size_t(i)].second) + 2 * Padding + Gap;
    const int width = fontMetrics().horizontalAdvance(groups_[std::size_t(index)].second) + 2 * Padding;
    return {x, (this->height() - height) / 2, width, height};
}

int GroupByBar::labelAt(const QPoint& pos) const {
    for (int i = 0; i < int(groups_.size()); ++i)
        if (labelRect(i).contains(pos)) return i;
    return -1;
}

int GroupByBar::positionAt(const QPoint& pos) const {
    for (int i = 0; i < int(groups_.size()); ++i)
        if (pos.x() < labelRect(i).center().x()) return i;
    return int(groups_.size());
}

void GroupByBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().color(QPalette::Window).darker(108));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(rect().bottomLeft(), rect().bottomRight());

    if (groups_.empty()) {
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(rect().adjusted(Margin + Padding, 0, -Margin, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         fontMetrics().elidedText(text_, Qt::ElideRight, width() - 2 * (Margin + Padding)));
    }
    for (int i = 0; i < int(groups_.size()); ++i) {
        const QRectF label = QRectF(labelRect(i)).adjusted(0.5, 0.5, -0.5, -0.5);
        QPainterPath path;
        path.addRoundedRect(label, 3, 3);
        painter.fillPath(path, palette().color(QPalette::Button));
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawPath(path);
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(label, Qt::AlignCenter, groups_[std::size_t(i)].second);
    }
    if (dropMarker_ >= 0) {
        const int x = dropMarker_ < int(groups_.size()) ? labelRect(dropMarker_).left() - Gap / 2
                      : groups_.empty()                 ? Margin
                                                        : labelRect(int(groups_.size()) - 1).right() + Gap / 2;
        painter.fillRect(QRect(x - 1, Margin, 2, height() - 2 * Margin), palette().color(QPalette::Highlight));
    }
}

void GroupByBar::mousePressEvent(QMouseEvent* event) {
    pressPos_ = event->position().toPoint();
    pressedLabel_ = event->button() == Qt::LeftButton ? labelAt(pressPos_) : -1;
}

void GroupByBar::mouseMoveEvent(QMouseEvent* event) {
    if (pressedLabel_ < 0 || !(event->buttons() & Qt::LeftButton)) return;
    if ((event->position().toPoint() - pressPos_).manhattanLength() < QApplication::startDragDistance()) return;
    const int column = groups_[std::size_t(pressedLabel_)].first;
    const QRect label = labelRect(pressedLabel_);
    pressedLabel_ = -1;

    auto* drag = new QDrag(this);
    drag->setMimeData(columnMimeData(column));
    drag->setPixmap(grab(label));
    drag->setHotSpot(pressPos_ - label.topLeft());
    droppedHere_ = false;
    drag->exec(Qt::MoveAction);
    if (!droppedHere_) emit columnRemoved(column);
}

void GroupByBar::mouseDoubleClickEvent(QMouseEvent* event) {
    if (const int label = labelAt(event->position().toPoint()); label >= 0)
        emit columnRemoved(groups_[std::size_t(label)].first);
}

int GroupByBar::draggedColumn(const QDropEvent* event) const {
    const QList<QByteArray> parts = event->mimeData()->data(ColumnMimeType).split(' ');
    bool number = false;
    const int column = parts.size() == 2 && parts[0] == identity(this) ? parts[1].toInt(&number) : -1;
    return number && column >= 0 ? column : -1;
}

void GroupByBar::dragEnterEvent(QDragEnterEvent* event) {
    if (draggedColumn(event) < 0) return event->ignore();
    event->acceptProposedAction();
    dropMarker_ = positionAt(event->position().toPoint());
    update();
}

void GroupByBar::dragMoveEvent(QDragMoveEvent* event) {
    if (draggedColumn(event) < 0) return event->ignore();
    event->acceptProposedAction();
    dropMarker_ = positionAt(event->position().toPoint());
    update();
}

void GroupByBar::dragLeaveEvent(QDragLeaveEvent*) {
    dropMarker_ = -1;
    update();
}

void GroupByBar::dropEvent(QDropEvent* event) {
    dropMarker_ = -1;
    update();
    const int column = draggedColumn(event);
    if (column < 0) return event->ignore();
    event->acceptProposedAction();
    droppedHere_ = true;  // a label dragged from here stays grouped
    emit columnDropped(column, positionAt(event->position().toPoint()));
}

}  // namespace tvx::ui_qt
