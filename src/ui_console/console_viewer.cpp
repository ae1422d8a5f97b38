#include "ui_console/console_viewer.h"

#include "platform/ado/recordset.h"
#include "platform/automation/conversions.h"
#include "platform/ui/grid_export.h"
#include "ui_console/console_transcript.h"

#include <QStringList>
#include <algorithm>
#include <ostream>

namespace tvx::ui_console {

namespace {

QString cellText(const Variant& v) {
    if (v.isNull() || v.isEmpty()) return {};
    QString text = CStr(v);
    return text.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

QString joinCells(const QStringList& cells, const std::vector<qsizetype>& widths) {
    QStringList padded;
    for (std::size_t i = 0; i < widths.size(); ++i) padded << cells.at(qsizetype(i)).leftJustified(widths[i]);
    return padded.join(QStringLiteral(" | ")).trimmed();
}

}  // namespace

void ConsoleDataGrid::SetDataSource(std::shared_ptr<ado::Recordset> rs) {
    rs_ = std::move(rs);
    columns_.clear();
    if (!rs_) return;
    for (int i = 0; i < rs_->Fields().Count(); ++i) {
        const QString name = rs_->Fields().Item(i).Name();
        ui::GridColumn column;
        column.key = name;
        column.caption = name;
        columns_.push_back(column);
    }
}

void ConsoleDataGrid::Export(const QString& fileName, int, int) { exportGrid(fileName, columns_, rs_.get()); }

QString ConsoleDataGrid::table() const {
    const SpreadsheetTable t = gridSpreadsheetTable(columns_, rs_.get());
    std::vector<QStringList> lines;
    QStringList headings;
    for (const auto& c : t.columns) headings << c.caption;
    lines.push_back(headings);
    for (const auto& row : t.rows) {
        QStringList cells;
        for (const Variant& v : row) cells << cellText(v);
        lines.push_back(cells);
    }
    std::vector<qsizetype> widths(t.columns.size(), 0);
    for (const QStringList& l : lines)
        for (std::size_t i = 0; i < widths.size(); ++i) widths[i] = std::max(widths[i], l.at(qsizetype(i)).size());
    QStringList out;
    out << joinCells(lines.front(), widths);
    qsizetype rule = 0;
    for (const qsizetype w : widths) rule += w;
    out << QString(rule + 3 * qsizetype(std::max<std::size_t>(widths.size(), 1) - 1), QLatin1Char('-'));
    for (std::size_t i = 1; i < lines.size(); ++i) out << joinCells(lines[i], widths);
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QMap<QString, int> ConsoleDataGrid::rowsPerEstado() const {
    QMap<QString, int> rows;
    if (!rs_ || rs_->Fields().indexOf(u"Estado") < 0) return rows;
    ui::GridColumn estado;
    estado.key = QStringLiteral("Estado");
    for (const auto& row : gridSpreadsheetTable({estado}, rs_.get()).rows) ++rows[cellText(row.front())];
    return rows;
}

void ConsoleViewerWindow::ShowModal() {
    const QString text = QStringLiteral("== ") + caption_ + QStringLiteral(" ==\n") + grid_.table();
    if (transcript_) {
        transcript_->logShown(text, grid_.rowsPerEstado());
    } else {
        out_ << text.toStdString() << std::flush;
    }
    if (!saveAs_) return;
    // A copy: the click may connect the buttons again.
    const std::function<void()> click = clicks_.value(QStringLiteral("CmdGravarComo"));
    if (click) click();
}

void ConsoleViewerWindow::OnClick(const QString& control, std::function<void()> handler) {
    if (handler)
        clicks_.insert(control, std::move(handler));
    else
        clicks_.remove(control);
}

bool ConsoleShell::OpenDocument(const QString& path) {
    out_ << "(" << path.toStdString() << " is not opened in a batch run)\n";
    return false;
}

}  // namespace tvx::ui_console
