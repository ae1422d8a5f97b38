#pragma once
// The diagnostics viewer of batch runs: its grid keeps the bound record set
// and columns as any grid does, and showing the window prints the visible
// columns and the rows as a text table; when the run has a file to save the
// log in, the window then clicks its "Gravar como" button (CmdGravarComo),
// whose save dialog is answered with that file. The window then closes, as
// if by its close box. The shell of batch runs opens nothing and says so.
#include "platform/ui/data_grid.h"
#include "platform/ui/form_window.h"
#include "platform/ui/shell.h"

#include <QHash>
#include <QMap>
#include <functional>
#include <iosfwd>
#include <vector>

namespace tvx::ui_console {

class ConsoleTranscript;

class ConsoleDataGrid : public ui::DataGrid {
public:
    void SetGroupByBoxText(const QString&) override {}
    void SetEnterKeyBehavior(int) override {}
    void SetTabKeyBehavior(int) override {}
    void SetStyle(const QString&, const ui::GridStyle&) override {}
    void SetDataSource(std::shared_ptr<ado::Recordset> rs) override;
    int ColumnCount() const override { return int(columns_.size()); }
    ui::GridColumn Column(int index) const override { return columns_.at(std::size_t(index)); }
    void SetColumn(int index, const ui::GridColumn& column) override { columns_.at(std::size_t(index)) = column; }
    void Export(const QString& fileName, int format, int options) override;

    // The visible columns and the rows, as lines of text.
    void writeTable(std::ostream& out) const;
    // The rows per value of the field "Estado" (none without it).
    QMap<QString, int> rowsPerEstado() const;

private:
    std::shared_ptr<ado::Recordset> rs_;
    std::vector<ui::GridColumn> columns_;
};

class ConsoleViewerWindow : public ui::FormWindow {
public:
    // With a transcript the table goes through it (see ConsoleTranscript).
    ConsoleViewerWindow(std::ostream& out, const ConsoleDataGrid& grid, bool saveAs = false,
                        ConsoleTranscript* transcript = nullptr)
        : out_(out), grid_(grid), saveAs_(saveAs), transcript_(transcript) {}
    void SetCaption(const QString& caption) override { caption_ = caption; }
    QString Caption() const override { return caption_; }
    void ShowModal() override;
    void Hide() override {}
    void OnClick(const QString& control, std::function<void()> handler) override;

private:
    std::ostream& out_;
    const ConsoleDataGrid& grid_;
    bool saveAs_;
    ConsoleTranscript* transcript_;
    QString caption_;
    QHash<QString, std::function<void()>> clicks_;
};

class ConsoleShell : public ui::Shell {
public:
    explicit ConsoleShell(std::ostream& out) : out_(out) {}
    bool OpenDocument(const QString& path) override;

private:
    std::ostream& out_;
};

}  // namespace tvx::ui_console
