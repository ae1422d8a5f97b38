#pragma once
// The grid's rows as a tree: grouped by the values of chosen columns (nested
// in the order the columns were chosen, each group row showing the column's
// caption, the value and how many rows it holds), and sorted by one column.
// Column 0 is the tree's own column, which holds the group rows' text; the
// source's columns follow from column 1 on.
//
// A filter text keeps only the rows whose visible columns not typed as
// numbers hold it
// (letter case aside). Grouped on the source's mark column (see
// RecordsetTableModel::setRowMarks), the groups of marked rows come first,
// Error before Warning.
//
// The grouping and the sort are kept by column key, so a record set bound
// again with the same fields keeps them. Values change only when the source
// is reset (a record set bound); a column's look changes as data changes.
#include <QAbstractItemModel>
#include <QStringList>
#include <memory>
#include <vector>

namespace tvx::ui_qt {

class RecordsetTableModel;

class GroupingProxyModel : public QAbstractItemModel {
    Q_OBJECT
public:
    // True on the tree column of a group row.
    static constexpr int GroupRowRole = Qt::UserRole + 1;

    explicit GroupingProxyModel(QObject* parent = nullptr);
    ~GroupingProxyModel() override;

    void setSourceModel(RecordsetTableModel* source);
    RecordsetTableModel* sourceModel() const { return source_; }

    // Source columns grouped, outermost first.
    const std::vector<int>& groupColumns() const { return groupColumns_; }
    void setGroupColumns(const std::vector<int>& sourceColumns);
    // The sort's source column (-1: the record set's own order) and order.
    int sortColumn() const { return sortColumn_; }
    Qt::SortOrder sortOrder() const { return sortOrder_; }
    // `column` is this model's column; 0 or less restores the record set's order.
    // Group rows follow their values' order, reversed when sorted on their column.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // Rows kept: those whose visible columns not typed as numbers hold `text` ("" keeps all).
    void setFilterText(const QString& text);
    const QString& filterText() const { return filter_; }
    // The rows the filter keeps (every row without one).
    int shownRowCount() const;

    QModelIndex mapToSource(const QModelIndex& index) const;
    QModelIndex mapFromSource(const QModelIndex& sourceIndex) const;
    bool isGroupRow(const QModelIndex& index) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    struct Node;

    Node* nodeOf(const QModelIndex& index) const;
    // Column keys to the source's columns now, dropping keys it no longer has.
    void resolveKeys();
    void rebuild();
    void groupInto(Node& parent, std::vector<int> rows, std::size_t level);
    void sortChildren(Node& node);
    QString groupText(const Node& group) const;
    bool kept(int sourceRow) const;
    // The most pressing mark among a group's rows, on the mark column only.
    int groupMark(const Node& group) const;
    // dataChanged for columns 0..lastColumn of every row under `node`.
    void emitRowsChanged(const Node& node, int lastColumn);

    RecordsetTableModel* source_ = nullptr;
    QStringList groupKeys_;
    QString sortKey_;
    QString filter_;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    std::vector<int> groupColumns_;
    int sortColumn_ = -1;
    std::unique_ptr<Node> root_;
    std::vector<Node*> leafOf_;  // by source row
};

}  // namespace tvx::ui_qt
