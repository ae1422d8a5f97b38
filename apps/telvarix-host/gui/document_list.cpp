#include "telvarix-host/gui/document_list.h"

#include "platform/ado/recordset.h"
#include "platform/automation/conversions.h"
#include "telvarix-host/gui/column_fit.h"
#include "ui_qt/data_grid_widget.h"
#include "ui_qt/group_by_bar.h"
#include "ui_qt/grouping_proxy_model.h"
#include "ui_qt/recordset_table_model.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTreeView>
#include <array>

namespace tvx::host_gui {

namespace {

struct Coluna {
    const char16_t* key;
    const char16_t* caption;
    int width;  // twips
    int alignment;
    const char16_t* format;
};

constexpr int Left = ui::GridAlignLeft;
constexpr int Right = ui::GridAlignRight;

const std::array<Coluna, 10> InvoiceColumns = {{
    {u"TPDOC", u"Tipo", 600, Left, u""},
    {u"SERIE", u"Série", 600, Right, u""},
    {u"ANO", u"Ano", 700, Right, u""},
    {u"NNUMDOC", u"Número", 1000, Right, u""},
    {u"ESTADO", u"Estado", 2100, Left, u""},
    {u"DATA", u"Data", 1300, Left, u""},
    {u"Terceiro", u"Cliente", 1000, Left, u""},
    {u"NOME", u"Nome", 2700, Left, u""},
    {u"VOSSONDOC", u"Referência", 1800, Left, u""},
    {u"TOTDOC", u"Total", 1400, Right, u"#,##0.00"},
}};

const std::array<Coluna, 8> ReceiptColumns = {{
    {u"TPDOC", u"Tipo", 600, Left, u""},
    {u"SERIE", u"Série", 600, Right, u""},
    {u"ANO", u"Ano", 700, Right, u""},
    {u"NNUMDOC", u"Número", 1000, Right, u""},
    {u"DATA", u"Data", 1300, Left, u""},
    {u"Terceiro", u"Cliente", 1000, Left, u""},
    {u"NOME", u"Nome", 2700, Left, u""},
    {u"TOTDOC", u"Valor", 1400, Right, u"#,##0.00"},
}};

// `hidden`: a column of the table not shown in this list.
template <std::size_t N>
void applyColumns(ui_qt::DataGridWidget& grid, const std::array<Coluna, N>& colunas, QStringView hidden = {}) {
    const auto& columns = grid.tableModel()->columns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        ui::GridColumn column = columns[i];
        column.hidden = true;  // a field without a column of its own
        for (const Coluna& c : colunas) {
            if (column.key.compare(QStringView(c.key), Qt::CaseInsensitive) != 0 || column.key == hidden) continue;
            column.caption = QString::fromUtf16(c.caption);
            column.width = c.width;
            column.alignment = c.alignment;
            column.format = QString::fromUtf16(c.format);
            column.hidden = false;
        }
        grid.setColumn(int(i), column);
    }
}

}  // namespace

ui_qt::DataGridWidget* newDocumentGrid(QWidget* parent) {
    auto* grid = new ui_qt::DataGridWidget(parent);
    grid->groupByBar()->setText(QStringLiteral("Arraste para esta zona as colunas pelas quais pretende agrupar"));
    grid->view()->setSelectionMode(QAbstractItemView::SingleSelection);
    // Amounts stay next to the names they belong to, not at the far edge.
    grid->view()->header()->setStretchLastSection(false);
    // On a narrow window the names give way, then the states, so the amounts stay in sight.
    new ColumnFit(*grid, QStringLiteral("TOTDOC"), {{QStringLiteral("NOME"), 16}, {QStringLiteral("ESTADO"), 18}});
    return grid;
}

void showDocuments(ui_qt::DataGridWidget& grid, std::shared_ptr<ado::Recordset> rs, DocumentKind kind) {
    // Listed again after each operation: the widths the user set stay.
    QHeaderView* header = grid.view()->header();
    const QByteArray layout = grid.tableModel()->columnCount() > 0 ? header->saveState() : QByteArray();
    // Only where final invoices sit beside them (the sales view lists none).
    if (kind == DocumentKind::Invoices)
        grid.setRowMarks(QStringLiteral("ESTADO"), {{QStringLiteral("Em preparação"), ui::GridRowMark::Note}});
    grid.setRecordset(std::move(rs));
    switch (kind) {
        case DocumentKind::Invoices:
            applyColumns(grid, InvoiceColumns);
            break;
        case DocumentKind::InvoicesInPreparation:
            applyColumns(grid, InvoiceColumns, u"ESTADO");  // every one is
            break;
        case DocumentKind::Receipts:
            applyColumns(grid, ReceiptColumns);
            break;
    }
    ColumnFit* fit = grid.findChild<ColumnFit*>();
    if (!layout.isEmpty()) {
        header->restoreState(layout);
        if (fit) fit->fit();
        return;
    }
    // The amount before the reference: what a clerk reads first stays in sight first.
    const int total = grid.tableModel()->columnOf(QStringLiteral("TOTDOC"));
    const int reference = grid.tableModel()->columnOf(QStringLiteral("VOSSONDOC"));
    if (total >= 0 && reference >= 0)
        header->moveSection(header->visualIndex(total + 1), header->visualIndex(reference + 1));
    if (fit) fit->columnsGiven();
}

ListedDocuments listedDocuments(const ui_qt::DataGridWidget& grid) {
    const ui_qt::RecordsetTableModel& table = *grid.tableModel();
    const int total = table.columnOf(QStringLiteral("TOTDOC"));
    ListedDocuments listed;
    for (int row = 0; row < table.rowCount(); ++row) {
        if (!grid.groupingModel()->mapFromSource(table.index(row, 0)).isValid()) continue;  // searched away
        ++listed.count;
        if (total >= 0 && table.cell(row, total).isNumeric()) listed.total += CDbl(table.cell(row, total));
    }
    return listed;
}

int selectedRow(const ui_qt::DataGridWidget& grid) {
    // Selected, not merely current: the view makes a row current on focus alone.
    const QModelIndexList selected = grid.view()->selectionModel()->selectedRows();
    if (selected.size() != 1 || grid.groupingModel()->isGroupRow(selected.front())) return -1;
    // Column 0 is the tree's own; the record set's fields start at 1.
    const QModelIndex source = grid.groupingModel()->mapToSource(selected.front().siblingAtColumn(1));
    return source.isValid() ? source.row() : -1;
}

}  // namespace tvx::host_gui
