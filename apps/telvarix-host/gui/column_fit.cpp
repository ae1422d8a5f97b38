#include "telvarix-host/gui/column_fit.h"

#include "ui_qt/data_grid_widget.h"
#include "ui_qt/recordset_table_model.h"

#include <QEvent>
#include <QHeaderView>
#include <QTreeView>
#include <algorithm>

namespace tvx::host_gui {

namespace {
// Column 0 is the tree's own; the record set's fields start at 1.
int sectionOf(const ui_qt::RecordsetTableModel* table, const QString& key) {
    const int column = table ? table->columnOf(key) : -1;
    return column < 0 ? -1 : column + 1;
}
}  // namespace

ColumnFit::ColumnFit(ui_qt::DataGridWidget& grid, QString keep, std::vector<GiveWay> giveWay)
    : QObject(grid.view()),
      view_(grid.view()),
      table_(grid.tableModel()),
      headerViewport_(grid.view()->header()->viewport()),
      keep_(std::move(keep)),
      giveWay_(std::move(giveWay)) {
    // Only the view and the model are kept: the filter may see events while the grid is being destroyed.
    QHeaderView* header = view_->header();
    view_->viewport()->installEventFilter(this);
    headerViewport_->installEventFilter(this);
    // By hand: a handle dragged with the mouse, or double-clicked to fit its text.
    connect(header, &QHeaderView::sectionResized, this, [this] {
        if (dragging_) byHand_ = true;
    });
    connect(header, &QHeaderView::sectionHandleDoubleClicked, this, [this] { byHand_ = true; });
}

void ColumnFit::columnsGiven() {
    if (!view_) return;
    const QHeaderView* header = view_->header();
    given_.clear();
    for (const GiveWay& column : giveWay_) {
        const int section = sectionOf(table_, column.key);
        given_.push_back(section < 0 ? 0 : header->sectionSize(section));
    }
    fit();
}

bool ColumnFit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == headerViewport_) {
        if (event->type() == QEvent::MouseButtonPress) dragging_ = true;
        if (event->type() == QEvent::MouseButtonRelease) dragging_ = false;
    } else if (event->type() == QEvent::Resize) {
        fit();
    }
    return QObject::eventFilter(watched, event);
}

void ColumnFit::fit() {
    QTreeView* view = view_;
    if (!view) return;
    QHeaderView* header = view->header();
    const int keep = sectionOf(table_, keep_);
    if (byHand_ || given_.empty() || keep < 0 || !view->isVisible()) return;
    // What is missing (> 0) or spare (< 0) for the kept column to end inside the view.
    int missing = header->sectionPosition(keep) + header->sectionSize(keep) - view->viewport()->width();
    const int charWidth = view->fontMetrics().averageCharWidth();
    for (std::size_t i = 0; i < giveWay_.size() && missing != 0; ++i) {
        const int section = sectionOf(table_, giveWay_[i].key);
        if (section < 0 || given_[i] == 0 || header->isSectionHidden(section)) continue;
        const int now = header->sectionSize(section);
        const int floor = std::min(given_[i], giveWay_[i].floorChars * charWidth);
        const int wanted = std::clamp(now - missing, floor, given_[i]);
        header->resizeSection(section, wanted);
        missing -= now - wanted;
    }
}

}  // namespace tvx::host_gui
