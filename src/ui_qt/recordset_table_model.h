#pragma once
// A record set as a read-only table: one row per row of the record set, one
// column per field, each column with the grid's column settings (caption,
// alignment, display format; width and hidden are for the view). The rows
// are read when the record set is bound, so the record set's cursor is left
// where it was; binding another record set resets the model. Rows can be
// marked by a column's value (ui::GridRowMarkRule): an Error or Warning row
// has a tinted background with its own dark text (readable whatever the
// theme's colours), bold text and an icon in the marked column, so that
// colour is not the only sign; a Note row has the icon and italic text.
#include "platform/automation/variant.h"
#include "platform/ui/data_grid.h"

#include <QAbstractTableModel>
#include <memory>
#include <vector>

namespace tvx::ado {
class Recordset;
}

namespace tvx::ui_qt {

class RecordsetTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The row's mark (int of ui::GridRowMark), on any column.
    static constexpr int RowMarkRole = Qt::UserRole + 2;

    explicit RecordsetTableModel(QObject* parent = nullptr);
    ~RecordsetTableModel() override;

    // Binds `rs` (null or closed: no rows, and no columns for null). The
    // columns are rebuilt: key and caption the field's name, nothing else set.
    void setRecordset(std::shared_ptr<ado::Recordset> rs);
    const std::shared_ptr<ado::Recordset>& recordset() const { return rs_; }

    const std::vector<ui::GridColumn>& columns() const { return columns_; }
    void setColumn(int index, const ui::GridColumn& column);
    // The column keyed exactly `key`, or -1.
    int columnOf(const QString& key) const;

    const Variant& cell(int row, int column) const;

    void setRowMarks(const QString& key, const std::vector<ui::GridRowMarkRule>& rules);
    ui::GridRowMark rowMark(int row) const;
    // The column the marks read (-1: none).
    int markColumn() const { return columnOf(markKey_); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::shared_ptr<ado::Recordset> rs_;
    std::vector<ui::GridColumn> columns_;
    std::vector<std::vector<Variant>> rows_;
    QString markKey_;
    std::vector<ui::GridRowMarkRule> markRules_;
};

}  // namespace tvx::ui_qt
