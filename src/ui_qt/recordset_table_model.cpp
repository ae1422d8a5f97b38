#include "ui_qt/recordset_table_model.h"

#include "platform/ado/recordset.h"
#include "platform/ui/grid_export.h"
#include "ui_qt/grid_cell_text.h"
#include "ui_qt/grid_style.h"

#include <QApplication>
#include <QBrush>
#include <QFont>
#include <QStyle>

namespace tvx::ui_qt {

RecordsetTableModel::RecordsetTableModel(QObject* parent) : QAbstractTableModel(parent) {}

RecordsetTableModel::~RecordsetTableModel() = default;

void RecordsetTableModel::setRecordset(std::shared_ptr<ado::Recordset> rs) {
    beginResetModel();
    rs_ = std::move(rs);
    columns_.clear();
    rows_.clear();
    if (rs_) {
        for (const auto& field : rs_->Fields().infos()) {
            ui::GridColumn column;
            column.key = field.name;
            column.caption = field.name;
            columns_.push_back(column);
        }
        // Every field's values, read as the export reads them.
        rows_ = gridSpreadsheetTable(columns_, rs_.get()).rows;
    }
    endResetModel();
}

void RecordsetTableModel::setColumn(int index, const ui::GridColumn& column) {
    ui::GridColumn& current = columns_.at(std::size_t(index));
    const bool looksChanged = current.alignment != column.alignment || current.format != column.format;
    const bool captionChanged = current.caption != column.caption;
    current = column;
    if (captionChanged) emit headerDataChanged(Qt::Horizontal, index, index);
    if (looksChanged && !rows_.empty()) emit dataChanged(this->index(0, index), this->index(rowCount() - 1, index));
}

int RecordsetTableModel::columnOf(const QString& key) const {
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (columns_[i].key == key) return int(i);
    return -1;
}

const Variant& RecordsetTableModel::cell(int row, int column) const {
    return rows_.at(std::size_t(row)).at(std::size_t(column));
}

void RecordsetTableModel::setRowMarks(const QString& key, const std::vector<ui::GridRowMarkRule>& rules) {
    markKey_ = key;
    markRules_ = rules;
    if (!rows_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

ui::GridRowMark RecordsetTableModel::rowMark(int row) const {
    const int column = markColumn();
    if (column < 0) return ui::GridRowMark::None;
    const Variant& value = cell(row, column);
    if (value.type() != VarType::String) return ui::GridRowMark::None;
    for (const ui::GridRowMarkRule& rule : markRules_)
        if (value.asString().compare(rule.value, Qt::CaseInsensitive) == 0) return rule.mark;
    return ui::GridRowMark::None;
}

int RecordsetTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(rows_.size()); }

int RecordsetTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(columns_.size());
}

QVariant RecordsetTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    const Variant& value = cell(index.row(), index.column());
    const ui::GridColumn& column = columns_[std::size_t(index.column())];
    const ui::GridRowMark mark = role >= Qt::DecorationRole ? rowMark(index.row()) : ui::GridRowMark::None;
    const bool error = mark == ui::GridRowMark::Error;
    const bool tinted = error || mark == ui::GridRowMark::Warning;
    switch (role) {
        case RowMarkRole:
            return int(mark);
        case Qt::BackgroundRole:
            if (!tinted) return {};
            return QBrush(error ? QColor(0xFD, 0xE2, 0xE1) : QColor(0xFF, 0xF1, 0xC2));
        case Qt::ForegroundRole:
            if (!tinted) return {};
            return QBrush(error ? QColor(0x7A, 0x00, 0x00) : QColor(0x4D, 0x33, 0x00));
        case Qt::FontRole: {
            if (mark == ui::GridRowMark::None) return {};
            QFont font;
            if (tinted)
                font.setBold(true);
            else
                font.setItalic(true);
            return font;
        }
        case Qt::DecorationRole:
            if (mark == ui::GridRowMark::None || index.column() != markColumn() || !qApp) return {};
            return QApplication::style()->standardIcon(error    ? QStyle::SP_MessageBoxCritical
                                                       : tinted ? QStyle::SP_MessageBoxWarning
                                                                : QStyle::SP_FileDialogInfoView);
        case Qt::DisplayRole:
            return gridCellText(value, column.format);
        case Qt::ToolTipRole:
            // The whole text of a long cell the column cuts short.
            return value.type() == VarType::String && !value.asString().isEmpty() ? QVariant(value.asString())
                                                                                  : QVariant();
        case Qt::TextAlignmentRole: {
            const bool number = value.isNumeric() && value.type() != VarType::Boolean;
            return int(gridAlignment(column.alignment,
                                     number ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter));
        }
        default:
            return {};
    }
}

QVariant RecordsetTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
    if (role == Qt::DisplayRole) return columns_[std::size_t(section)].caption;
    return {};
}

}  // namespace tvx::ui_qt
