#include "ui_qt/grouping_proxy_model.h"

#include "platform/ado/value_compare.h"
#include "ui_qt/recordset_table_model.h"

#include <algorithm>
#include <numeric>

namespace tvx::ui_qt {

struct GroupingProxyModel::Node {
    Node* parent = nullptr;
    int row = 0;         // position under the parent
    int sourceRow = -1;  // a leaf: its row in the source
    int column = -1;     // a group: the source column grouped on
    int valueRow = -1;   // a group: a source row holding its value
    int leafCount = 0;
    std::vector<std::unique_ptr<Node>> children;

    bool isLeaf() const { return sourceRow >= 0; }
};

GroupingProxyModel::GroupingProxyModel(QObject* parent) : QAbstractItemModel(parent), root_(std::make_unique<Node>()) {}

GroupingProxyModel::~GroupingProxyModel() = default;

void GroupingProxyModel::setSourceModel(RecordsetTableModel* source) {
    beginResetModel();
    if (source_) source_->disconnect(this);
    source_ = source;
    if (source_) {
        connect(source_, &QAbstractItemModel::modelAboutToBeReset, this, [this] { beginResetModel(); });
        connect(source_, &QAbstractItemModel::modelReset, this, [this] {
            resolveKeys();
            rebuild();
            endResetModel();
        });
        connect(source_, &QAbstractItemModel::dataChanged, this,
                [this](const QModelIndex&, const QModelIndex& bottomRight) {
                    emitRowsChanged(*root_, bottomRight.column() + 1);
                });
        connect(source_, &QAbstractItemModel::headerDataChanged, this,
                [this](Qt::Orientation orientation, int first, int last) {
                    if (orientation != Qt::Horizontal) return;
                    emit headerDataChanged(orientation, first + 1, last + 1);
                    emitRowsChanged(*root_, 0);  // group rows name the column by its caption
                });
    }
    resolveKeys();
    rebuild();
    endResetModel();
}

void GroupingProxyModel::setGroupColumns(const std::vector<int>& sourceColumns) {
    beginResetModel();
    groupKeys_.clear();
    if (source_)
        for (const int column : sourceColumns)
            if (column >= 0 && column < source_->columnCount()) {
                const QString& key = source_->columns()[std::size_t(column)].key;
                if (!groupKeys_.contains(key)) groupKeys_ << key;
            }
    resolveKeys();
    rebuild();
    endResetModel();
}

void GroupingProxyModel::sort(int column, Qt::SortOrder order) {
    const bool byColumn = source_ && column >= 1 && column <= source_->columnCount();
    sortKey_ = byColumn ? source_->columns()[std::size_t(column - 1)].key : QString();
    sortOrder_ = order;
    resolveKeys();

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    sortChildren(*root_);
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before) {
        Node* node = nodeOf(index);
        after << createIndex(node->row, index.column(), node);
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void GroupingProxyModel::resolveKeys() {
    groupColumns_.clear();
    QStringList kept;
    for (const QString& key : groupKeys_)
        if (const int column = source_ ? source_->columnOf(key) : -1; column >= 0) {
            groupColumns_.push_back(column);
            kept << key;
        }
    groupKeys_ = kept;
    sortColumn_ = source_ && !sortKey_.isEmpty() ? source_->columnOf(sortKey_) : -1;
}

void GroupingProxyModel::rebuild() {
    root_ = std::make_unique<Node>();
    const int rows = source_ ? source_->rowCount() : 0;
    leafOf_.assign(std::size_t(rows), nullptr);
    std::vector<int> shown;
    shown.reserve(std::size_t(rows));
    for (int row = 0; row < rows; ++row)
        if (kept(row)) shown.push_back(row);
    groupInto(*root_, std::move(shown), 0);
    sortChildren(*root_);
}

void GroupingProxyModel::setFilterText(const QString& text) {
    if (text == filter_) return;
    beginResetModel();
    filter_ = text;
    rebuild();
    endResetModel();
}

int GroupingProxyModel::shownRowCount() const { return root_->leafCount; }

bool GroupingProxyModel::kept(int sourceRow) const {
    if (filter_.isEmpty()) return true;
    const auto& columns = source_->columns();
    for (std::size_t column = 0; column < columns.size(); ++column) {
        if (columns[column].hidden || columns[column].dataType == ui::GridTypeInteger) continue;
        if (source_->index(sourceRow, int(column)).data().toString().contains(filter_, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

int GroupingProxyModel::groupMark(const Node& group) const {
    if (group.column != source_->markColumn()) return 0;
    return int(source_->rowMark(group.valueRow));
}

void GroupingProxyModel::groupInto(Node& parent, std::vector<int> rows, std::size_t level) {
    parent.leafCount = int(rows.size());
    if (level == groupColumns_.size()) {
        for (const int row : rows) {
            auto leaf = std::make_unique<Node>();
            leaf->parent = &parent;
            leaf->sourceRow = row;
            leafOf_[std::size_t(row)] = leaf.get();
            parent.children.push_back(std::move(leaf));
        }
        return;
    }
    // Rows of equal values (as the record set compares them) form one group.
    const int column = groupColumns_[level];
    const auto value = [&](int row) -> const Variant& { return source_->cell(row, column); };
    std::stable_sort(rows.begin(), rows.end(),
                     [&](int a, int b) { return ado::compareForSort(value(a), value(b)) < 0; });
    for (auto first = rows.begin(); first != rows.end();) {
        const auto last = std::find_if(first, rows.end(),
                                       [&](int row) { return ado::compareForSort(value(*first), value(row)) != 0; });
        auto group = std::make_unique<Node>();
        group->parent = &parent;
        group->column = column;
        group->valueRow = *first;
        groupInto(*group, std::vector<int>(first, last), level + 1);
        parent.children.push_back(std::move(group));
        first = last;
    }
}

void GroupingProxyModel::sortChildren(Node& node) {
    auto& children = node.children;
    if (!children.empty() && !children.front()->isLeaf()) {
        const bool reversed = sortColumn_ == children.front()->column && sortOrder_ == Qt::DescendingOrder;
        std::sort(children.begin(), children.end(), [&](const auto& a, const auto& b) {
            if (const int marks = groupMark(*a) - groupMark(*b); marks != 0) return marks > 0;
            const int order =
                ado::compareForSort(source_->cell(a->valueRow, a->column), source_->cell(b->valueRow, b->column));
            return reversed ? order > 0 : order < 0;
        });
        for (auto& child : children) sortChildren(*child);
    } else {
        const auto before = [&](const auto& a, const auto& b) {
            if (sortColumn_ >= 0) {
                const int order = ado::compareForSort(source_->cell(a->sourceRow, sortColumn_),
                                                      source_->cell(b->sourceRow, sortColumn_));
                if (order != 0) return sortOrder_ == Qt::DescendingOrder ? order > 0 : order < 0;
            }
            return a->sourceRow < b->sourceRow;
        };
        std::sort(children.begin(), children.end(), before);
    }
    for (std::size_t i = 0; i < children.size(); ++i) children[i]->row = int(i);
}

GroupingProxyModel::Node* GroupingProxyModel::nodeOf(const QModelIndex& index) const {
    return index.isValid() ? static_cast<Node*>(index.internalPointer()) : root_.get();
}

QModelIndex GroupingProxyModel::mapToSource(const QModelIndex& index) const {
    const Node* node = nodeOf(index);
    if (!index.isValid() || !node->isLeaf() || index.column() < 1) return {};
    return source_->index(node->sourceRow, index.column() - 1);
}

QModelIndex GroupingProxyModel::mapFromSource(const QModelIndex& sourceIndex) const {
    if (!sourceIndex.isValid() || sourceIndex.model() != source_) return {};
    Node* leaf = leafOf_.at(std::size_t(sourceIndex.row()));
    if (!leaf) return {};  // filtered out
    return createIndex(leaf->row, sourceIndex.column() + 1, leaf);
}

bool GroupingProxyModel::isGroupRow(const QModelIndex& index) const {
    return index.isValid() && !nodeOf(index)->isLeaf();
}

QModelIndex GroupingProxyModel::index(int row, int column, const QModelIndex& parent) const {
    if (parent.isValid() && parent.column() != 0) return {};
    const Node* node = nodeOf(parent);
    if (row < 0 || row >= int(node->children.size()) || column < 0 || column >= columnCount()) return {};
    return createIndex(row, column, node->children[std::size_t(row)].get());
}

QModelIndex GroupingProxyModel::parent(const QModelIndex& child) const {
    if (!child.isValid()) return {};
    Node* parent = nodeOf(child)->parent;
    if (!parent || parent == root_.get()) return {};
    return createIndex(parent->row, 0, parent);
}

int GroupingProxyModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() && parent.column() != 0) return 0;
    return int(nodeOf(parent)->children.size());
}

int GroupingProxyModel::columnCount(const QModelIndex&) const { return source_ ? source_->columnCount() + 1 : 1; }

QString GroupingProxyModel::groupText(const Node& group) const {
    QString value = source_->index(group.valueRow, group.column).data().toString();
    if (value.isEmpty()) value = QStringLiteral("(vazio)");
    const QString rows =
        group.leafCount == 1 ? QStringLiteral("1 linha") : QStringLiteral("%1 linhas").arg(group.leafCount);
    return source_->columns()[std::size_t(group.column)].caption + QStringLiteral(": ") + value + QStringLiteral(" (") +
           rows + QLatin1Char(')');
}

QVariant GroupingProxyModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    const Node* node = nodeOf(index);
    if (node->isLeaf()) return index.column() == 0 ? QVariant() : source_->data(mapToSource(index), role);
    if (index.column() != 0) return {};
    if (role == GroupRowRole) return true;
    if (role == Qt::DisplayRole) return groupText(*node);
    return {};
}

QVariant GroupingProxyModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 1 || !source_) return {};
    return source_->headerData(section - 1, orientation, role);
}

Qt::ItemFlags GroupingProxyModel::flags(const QModelIndex& index) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return nodeOf(index)->isLeaf() ? flags | Qt::ItemNeverHasChildren : flags;
}

void GroupingProxyModel::emitRowsChanged(const Node& node, int lastColumn) {
    if (node.children.empty()) return;
    const QModelIndex parent =
        &node == root_.get() ? QModelIndex() : createIndex(node.row, 0, const_cast<Node*>(&node));
    emit dataChanged(index(0, 0, parent),
                     index(int(node.children.size()) - 1, std::min(lastColumn, columnCount() - 1), parent));
    for (const auto& child : node.children) emitRowsChanged(*child, lastColumn);
}

}  // namespace tvx::ui_qt
