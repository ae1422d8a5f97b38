#include "ui_qt/data_grid_widget.h"

#include "ui_qt/grid_header_view.h"
#include "ui_qt/grid_item_delegate.h"
#include "ui_qt/grid_style.h"
#include "ui_qt/group_by_bar.h"
#include "ui_qt/grouping_proxy_model.h"
#include "ui_qt/recordset_table_model.h"
#include "ui_qt/twips.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QStringList>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

namespace tvx::ui_qt {

DataGridWidget::DataGridWidget(QWidget* parent)
    : QWidget(parent),
      bar_(new GroupByBar(this)),
      view_(new QTreeView(this)),
      table_(new RecordsetTableModel(this)),
      groups_(new GroupingProxyModel(this)) {
    groups_->setSourceModel(table_);

    auto* header = new GridHeaderView(*bar_, view_);
    view_->setHeader(header);
    view_->setModel(groups_);
    view_->setItemDelegate(new GridItemDelegate(view_));
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setAllColumnsShowFocus(true);
    view_->setAlternatingRowColors(true);
    view_->setUniformRowHeights(true);
    view_->setRootIsDecorated(false);
    // Room between cells, so that a number aligned right never touches the next column's text.
    view_->setStyleSheet(QStringLiteral("QTreeView::item { padding-left: 5px; padding-right: 5px; }"));
    view_->installEventFilter(this);
    header->setStretchLastSection(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    view_->setSortingEnabled(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar_);
    layout->addWidget(view_, 1);

    auto* copy = new QAction(QStringLiteral("Copiar linhas"), view_);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &DataGridWidget::copySelectedRows);
    view_->addAction(copy);
    view_->setContextMenuPolicy(Qt::ActionsContextMenu);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);

    connect(groups_, &QAbstractItemModel::modelReset, this, &DataGridWidget::showGrouping);
    connect(groups_, &QAbstractItemModel::modelReset, this,
            [this] { emit rowsShownChanged(shownRowCount(), rowCount()); });
    connect(bar_, &GroupByBar::columnDropped, this, [this](int column, int position) { groupBy(column, position); });
    connect(bar_, &GroupByBar::columnRemoved, this, &DataGridWidget::ungroup);
    showGrouping();
}

void DataGridWidget::setRecordset(std::shared_ptr<ado::Recordset> rs) { table_->setRecordset(std::move(rs)); }

void DataGridWidget::setColumn(int index, const ui::GridColumn& column) {
    table_->setColumn(index, column);
    view_->setColumnHidden(index + 1, column.hidden);
    if (column.width > 0) view_->setColumnWidth(index + 1, column.width / twipsPerPixelX(*view_));
    showGroupLabels();
}

void DataGridWidget::setGridStyle(const QString& name, const ui::GridStyle& style) {
    if (name.compare(QStringLiteral("Normal"), Qt::CaseInsensitive) == 0) {
        view_->setFont(gridFont(style, view_->font()));
    } else if (name.compare(QStringLiteral("Heading"), Qt::CaseInsensitive) == 0) {
        const QFont font = gridFont(style, view_->header()->font());
        view_->header()->setFont(font);
        view_->header()->setDefaultAlignment(gridAlignment(style.alignment, Qt::AlignCenter));
        bar_->setFont(font);
    }
}

void DataGridWidget::setTabKeyBehavior(int behaviour) { view_->setTabKeyNavigation(behaviour == 1); }

void DataGridWidget::groupBy(int column, int position) {
    std::vector<int> columns = groups_->groupColumns();
    const auto at = std::find(columns.begin(), columns.end(), column);
    if (at != columns.end()) {
        if (position > at - columns.begin()) --position;
        columns.erase(at);
    }
    if (position < 0 || position > int(columns.size())) position = int(columns.size());
    columns.insert(columns.begin() + position, column);
    groups_->setGroupColumns(columns);
}

void DataGridWidget::ungroup(int column) {
    std::vector<int> columns = groups_->groupColumns();
    std::erase(columns, column);
    groups_->setGroupColumns(columns);
}

void DataGridWidget::setRowMarks(const QString& key, const std::vector<ui::GridRowMarkRule>& rules) {
    table_->setRowMarks(key, rules);
    groups_->setGroupColumns(groups_->groupColumns());  // groups ordered by their marks again
}

void DataGridWidget::setFilterText(const QString& text) { groups_->setFilterText(text); }

int DataGridWidget::shownRowCount() const { return groups_->shownRowCount(); }

int DataGridWidget::rowCount() const { return table_->rowCount(); }

QString DataGridWidget::selectedRowsText() const {
    QStringList lines;
    const QModelIndexList rows = view_->selectionModel()->selectedRows();
    std::vector<QModelIndex> leaves;
    for (const QModelIndex& row : rows)
        if (!groups_->isGroupRow(row)) leaves.push_back(row);
    // In the order shown, whatever order they were picked in.
    std::sort(leaves.begin(), leaves.end(), [this](const QModelIndex& a, const QModelIndex& b) {
        return view_->visualRect(a).top() < view_->visualRect(b).top();
    });
    for (const QModelIndex& row : leaves) {
        QStringList cells;
        for (int column = 1; column < groups_->columnCount(); ++column)
            if (!view_->isColumnHidden(column))
                cells << groups_->index(row.row(), column, row.parent()).data().toString().simplified();
        lines << cells.join(u'\t');
    }
    return lines.isEmpty() ? QString() : lines.join(u'\n') + u'\n';
}

void DataGridWidget::copySelectedRows() const {
    const QString text = selectedRowsText();
    if (!text.isEmpty()) QApplication::clipboard()->setText(text);
}

void DataGridWidget::showGroupLabels() {
    std::vector<std::pair<int, QString>> labels;
    for (const int column : groups_->groupColumns())
        labels.emplace_back(column, table_->columns()[std::size_t(column)].caption);
    bar_->setGroups(std::move(labels));
}

void DataGridWidget::showGrouping() {
    showGroupLabels();
    const auto& grouped = groups_->groupColumns();
    const bool any = !grouped.empty();
    view_->setRootIsDecorated(any);
    view_->setColumnHidden(0, !any);
    view_->header()->setSectionResizeMode(0, QHeaderView::Fixed);
    if (any) view_->setColumnWidth(0, view_->indentation() * int(grouped.size()) + 4);
    spanGroupRows({});
    view_->expandAll();
}

void DataGridWidget::spanGroupRows(const QModelIndex& parent) {
    for (int row = 0; row < groups_->rowCount(parent); ++row) {
        const QModelIndex index = groups_->index(row, 0, parent);
        if (!groups_->isGroupRow(index)) return;  // rows of one parent are all groups or all leaves
        view_->setFirstColumnSpanned(row, parent, true);
        spanGroupRows(index);
    }
}

bool DataGridWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::KeyPress && enterKeyBehavior_ == 1) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (const QModelIndex below = view_->indexBelow(view_->currentIndex()); below.isValid())
                view_->setCurrentIndex(below);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tvx::ui_qt
