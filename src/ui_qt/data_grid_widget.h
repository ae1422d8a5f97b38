#pragma once
// The data grid as a widget: the group-by area above a read-only tree of the
// bound record set's rows (see GroupingProxyModel). The grid's columns are
// those of the record set; each keeps its caption, width (in twips),
// alignment, display format and hidden switch. Groups open expanded. The
// selected rows copy (Ctrl+C or the context menu) as text: the visible
// columns, tab-separated, one line per row.
#include "platform/ui/data_grid.h"

#include <QWidget>
#include <memory>

class QTreeView;

namespace tvx::ado {
class Recordset;
}

namespace tvx::ui_qt {

class GroupByBar;
class GroupingProxyModel;
class RecordsetTableModel;

class DataGridWidget : public QWidget {
    Q_OBJECT
public:
    explicit DataGridWidget(QWidget* parent = nullptr);

    GroupByBar* groupByBar() const { return bar_; }
    QTreeView* view() const { return view_; }
    RecordsetTableModel* tableModel() const { return table_; }
    GroupingProxyModel* groupingModel() const { return groups_; }

    // Binds `rs`: columns rebuilt from its fields; the grouping and sort
    // stay for the columns it still has.
    void setRecordset(std::shared_ptr<ado::Recordset> rs);
    void setColumn(int index, const ui::GridColumn& column);
    // "Normal": the cells' font; "Heading": the headings' font and alignment.
    void setGridStyle(const QString& name, const ui::GridStyle& style);
    // 1: Enter moves to the row below. 0: the grid leaves Enter to its window.
    void setEnterKeyBehavior(int behaviour) { enterKeyBehavior_ = behaviour; }
    // 1: Tab moves to the row below (Shift+Tab above), leaving the grid after
    // the last row. 0: Tab leaves the grid.
    void setTabKeyBehavior(int behaviour);

    // Groups by source `column` as the `position`-th grouping (-1: innermost);
    // a grouped column moves there.
    void groupBy(int column, int position = -1);
    void ungroup(int column);

    void setRowMarks(const QString& key, const std::vector<ui::GridRowMarkRule>& rules);
    // Rows shown: those whose visible columns not typed as numbers hold `text`.
    void setFilterText(const QString& text);
    int shownRowCount() const;
    int rowCount() const;
    // The selected rows as copied: visible columns tab-separated, a line each.
    QString selectedRowsText() const;
    void copySelectedRows() const;

signals:
    // After the rows shown changed (a record set bound, a filter typed).
    void rowsShownChanged(int shown, int total);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // After the rows were grouped again: group rows spanned and expanded,
    // tree column sized, the group-by area's labels.
    void showGrouping();
    void showGroupLabels();
    void spanGroupRows(const QModelIndex& parent);

    GroupByBar* bar_;
    QTreeView* view_;
    RecordsetTableModel* table_;
    GroupingProxyModel* groups_;
    int enterKeyBehavior_ = 0;
};

}  // namespace tvx::ui_qt
