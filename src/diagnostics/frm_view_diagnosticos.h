#pragma once
// The diagnostics viewer's logic: shows a diagnostics log in the grid grdDiag,
// opens a saved log file, saves the log as XML or as a spreadsheet (with an
// XML copy), and leaves. It reaches the screen only through its controls.
#include "platform/ui/common_dialog.h"
#include "platform/ui/data_grid.h"
#include "platform/ui/form_window.h"
#include "platform/ui/message_box.h"
#include "platform/ui/shell.h"

#include <QString>
#include <memory>

namespace tvx::ado {
class Recordset;
}

namespace tvx {

struct FrmViewDiagnosticosControls {
    ui::FormWindow& window;
    ui::DataGrid& grdDiag;
    ui::CommonDialog& dialog;  // the add-in's shared file dialog
    ui::MessageBox& messages;
    ui::Shell& shell;
    QString addinFolder;  // where "Gravar como" proposes Diagnostico.XML
};

class FrmViewDiagnosticos {
public:
    using RecordsetRef = std::shared_ptr<ado::Recordset>;

    static const QString DesignCaption;  // "Consulta de Diagnosticos"
    static const QString CmdAbrirCaption;
    static const QString CmdGravarComoCaption;
    static const QString cmdSairCaption;

    // Loading the form: the window gets its design-time caption and sends
    // its buttons' clicks here.
    explicit FrmViewDiagnosticos(FrmViewDiagnosticosControls controls);
    ~FrmViewDiagnosticos();
    FrmViewDiagnosticos(const FrmViewDiagnosticos&) = delete;
    FrmViewDiagnosticos& operator=(const FrmViewDiagnosticos&) = delete;

    // The log to show; null for none.
    void setDiagnostico(RecordsetRef rs) { log_ = std::move(rs); }
    const RecordsetRef& Diagnostico() const { return log_; }

    // Prepares the grid, asks for a file when no log is loaded, binds the log
    // and shows the window modally; returns once it is hidden.
    void ViewDiagnostico();

    // Button clicks. An unexpected error is shown in a message box (its
    // description, its source as title) and the window stays.
    void CmdAbrir_Click();
    void CmdGravarComo_Click();
    void cmdSair_Click();

private:
    void pGrelhaPreparar();
    void pGrelhaLigar();
    void pAbrir();
    void pGravarComo();
    void pSair();

    bool pLogCarregado() const;
    bool pLogPorGravar() const;  // loaded and never saved
    bool pPerguntaSeNaoGravado(const QString& pergunta, int defaultButton);
    // Replaces the log with the one read from `path` and shows it.
    void pLogAbrirDe(const QString& path);
    void pLogGravarXml(const QString& path);
    void pClick(void (FrmViewDiagnosticos::*command)());

    FrmViewDiagnosticosControls c_;
    RecordsetRef log_;
};

// The menu operation "Consulta Diagnósticos": shows `log` (null outside a
// run) in `viewer`; any error ends here in a message box titled
// "Consulta Diagnósticos".
void ConsultaDiagnosticos(FrmViewDiagnosticos& viewer, std::shared_ptr<ado::Recordset> log, ui::MessageBox& messages);

}  // namespace tvx
