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

QStringList cellTexts(const std::vector<Variant>& row) {
    QStringList cells;
    for (const Variant& v : row) cells << cellText(v);
    return cells;
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

void ConsoleDataGrid::writeTable(std::ostream& out) const {
    // Two walks over the rows, the widths then the lines: a long log is
    // printed without a copy of it in memory.
    std::vector<qsizetype> widths;
    const auto widen = [&](const QStringList& cells) {
        for (std::size_t i = 0; i < widths.size(); ++i) widths[i] = std::max(widths[i], cells.at(qsizetype(i)).size());
    };
    const std::vector<SpreadsheetColumn> columns = gridRows(columns_, rs_.get(), [&](const std::vector<Variant>& row) {
        if (widths.empty()) widths.assign(row.size(), 0);
        widen(cellTexts(row));
    });
    QStringList headings;
    for (const auto& c : columns) headings << c.caption;
    widths.resize(columns.size(), 0);
    widen(headings);
    const auto line = [&](const QString& text) { out << text.toStdString() << '\n'; };
    line(joinCells(headings, widths));
    qsizetype rule = 0;
    for (const qsizetype w : widths) rule += w;
    line(QString(rule + 3 * qsizetype(std::max<std::size_t>(widths.size(), 1) - 1), QLatin1Char('-')));
    gridRows(columns_, rs_.get(), [&](const std::vector<Variant>& row) { line(joinCells(cellTexts(row), widths)); });
}

QMap<QString, int> ConsoleDataGrid::rowsPerEstado() const {
    QMap<QString, int> rows;
    if (!rs_ || rs_->Fields().indexOf(u"Estado") < 0) return rows;
    ui::GridColumn estado;
    estado.key = QStringLiteral("Estado");
    gridRows({estado}, rs_.get(), [&](const std::vector<Variant>& row) { ++rows[cellText(row.front())]; });
    return rows;
}

void ConsoleViewerWindow::ShowModal() {
    const auto write = [&](std::ostream& out) {
        out << "== " << caption_.toStdString() << " ==\n";
        grid_.writeTable(out);
    };
    if (transcript_) {
        transcript_->logShown(write, grid_.rowsPerEstado());
    } else {
        write(out_);
        out_.flush();
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
