#pragma once
// The host's read-only lists of company documents: a data grid bound to the
// record set of company_documents.h, with Portuguese captions, widths and
// number formats per field, and the row the user selected.
#include <memory>

class QWidget;

namespace tvx::ado {
class Recordset;
}
namespace tvx::ui_qt {
class DataGridWidget;
}

namespace tvx::host_gui {

// The columns of a list: all invoices (salesInvoices), invoices in
// preparation (invoicesInPreparation, without their state) or receipts.
enum class DocumentKind { Invoices, InvoicesInPreparation, Receipts };

// Binds `rs` to `grid`, keeping the grouping, sort and column widths the
// user chose. Invoices in preparation are marked, so that one is never
// taken for the final invoice of the same number.
void showDocuments(ui_qt::DataGridWidget& grid, std::shared_ptr<ado::Recordset> rs, DocumentKind kind);
// What a list shows now (its search aside): how many documents and their total.
struct ListedDocuments {
    int count = 0;
    double total = 0;
};
ListedDocuments listedDocuments(const ui_qt::DataGridWidget& grid);

// A grid for such a list, with the group-by area's text.
ui_qt::DataGridWidget* newDocumentGrid(QWidget* parent);
// The record set row of the grid's selected row; -1 for none or a group row.
int selectedRow(const ui_qt::DataGridWidget& grid);

}  // namespace tvx::host_gui
