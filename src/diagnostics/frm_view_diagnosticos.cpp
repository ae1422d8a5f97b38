#include "diagnostics/frm_view_diagnosticos.h"

#include "diagnostics/diagnostico_log.h"

#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "platform/ui/error_box.h"
#include "platform/ui/file_replace.h"

#include <QDir>

#include <array>

namespace tvx {

const QString FrmViewDiagnosticos::DesignCaption = QStringLiteral("Consulta de Diagnosticos");
const QString FrmViewDiagnosticos::CmdAbrirCaption = QStringLiteral("Abrir");
const QString FrmViewDiagnosticos::CmdGravarComoCaption = QStringLiteral("Gravar como");
const QString FrmViewDiagnosticos::cmdSairCaption = QStringLiteral("Sair");

namespace {

const QString CrLf = QStringLiteral("\r\n");
const QString TituloPerguntas = QStringLiteral("Diagnósticos");
const QString NaoGravado = QStringLiteral("O ficheiro de diagnóstico não se encontra gravado.");

// The grid's export codes for a spreadsheet file.
constexpr int ExportFormatSpreadsheet = 3;
constexpr int ExportOptions = 18;

struct ColunaSetup {
    const char16_t* key;
    const char16_t* caption;
    int width;
    int dataType;
    int alignment;
    const char16_t* format;
    bool hidden;
};

const std::array<ColunaSetup, 5> Colunas = {{
    {u"Linha", u"Linha", 1000, ui::GridTypeInteger, ui::GridAlignRight, u"###,###", false},
    {u"NIF", u"NIF", 1320, ui::GridTypeNotSet, ui::GridAlignLeft, u"", false},
    {u"Estado", u"Estado", 1100, ui::GridTypeText, ui::GridAlignLeft, u"", false},
    {u"Documento", u"Nº Documento", 1500, ui::GridTypeInteger, ui::GridAlignRight, u"", true},
    {u"Descrição", u"Descrição", 3000, ui::GridTypeText, ui::GridAlignLeft, u"", false},
}};

// A column keyed as in the table gets that row; any other column is hidden.
void aplicarColuna(ui::GridColumn& column) {
    for (const auto& setup : Colunas) {
        if (column.key != QStringView(setup.key)) continue;
        column.width = setup.width;
        column.caption = QString::fromUtf16(setup.caption);
        column.dataType = setup.dataType;
        column.alignment = setup.alignment;
        column.format = QString::fromUtf16(setup.format);
        column.hidden = setup.hidden;
        return;
    }
    column.hidden = true;
}

QString captionFor(const QString& source) { return QStringLiteral("Consulta de Diagnóstico [") + source + u']'; }

bool isXmlName(const QString& fileName) { return fileName.right(3).toUpper() == QStringLiteral("XML"); }

// The XML copy saved beside a spreadsheet: ".XLS" at the end (any case)
// becomes ".XML"; any other name gets ".XML" appended, so the copy never
// lands on the spreadsheet itself.
QString xmlCopyName(const QString& fileName) {
    const QString xls = QStringLiteral(".XLS");
    const QString base = fileName.endsWith(xls, Qt::CaseInsensitive) ? fileName.chopped(xls.size()) : fileName;
    return base + QStringLiteral(".XML");
}

// The window's buttons by control name, their captions and the handler of each.
struct Botao {
    const char16_t* control;
    const QString& caption;
    void (FrmViewDiagnosticos::*click)();
};
const std::array<Botao, 3> Botoes = {{
    {u"CmdAbrir", FrmViewDiagnosticos::CmdAbrirCaption, &FrmViewDiagnosticos::CmdAbrir_Click},
    {u"CmdGravarComo", FrmViewDiagnosticos::CmdGravarComoCaption, &FrmViewDiagnosticos::CmdGravarComo_Click},
    {u"cmdSair", FrmViewDiagnosticos::cmdSairCaption, &FrmViewDiagnosticos::cmdSair_Click},
}};

}  // namespace

FrmViewDiagnosticos::FrmViewDiagnosticos(FrmViewDiagnosticosControls controls) : c_(std::move(controls)) {
    c_.window.SetCaption(DesignCaption);
    for (const auto& [control, caption, click] : Botoes) {
        c_.window.SetControlCaption(QString::fromUtf16(control), caption);
        c_.window.OnClick(QString::fromUtf16(control), [this, click = click] { (this->*click)(); });
    }
}

FrmViewDiagnosticos::~FrmViewDiagnosticos() {
    // The window may outlive its logic: its buttons must not reach it any more.
    for (const auto& botao : Botoes) c_.window.OnClick(QString::fromUtf16(botao.control), {});
}

bool FrmViewDiagnosticos::pLogCarregado() const { return log_ && log_->State() == ado::adStateOpen; }

bool FrmViewDiagnosticos::pLogPorGravar() const { return pLogCarregado() && log_->Source().isEmpty(); }

void FrmViewDiagnosticos::ViewDiagnostico() {
    pGrelhaPreparar();
    if (!pLogCarregado()) pAbrir();
    if (pLogCarregado()) {
        pGrelhaLigar();
        c_.window.SetCaption(captionFor(log_->Source()));
    }
    c_.window.ShowModal();
}

void FrmViewDiagnosticos::pGrelhaPreparar() {
    ui::DataGrid& grid = c_.grdDiag;
    grid.SetGroupByBoxText(QStringLiteral("Arraste para esta zona as colunas pelas quais pretende agrupar"));
    grid.SetEnterKeyBehavior(1);
    grid.SetTabKeyBehavior(1);
    grid.SetStyle(QStringLiteral("Normal"), {QStringLiteral("Verdana"), 8, ui::GridAlignNotSet});
    grid.SetStyle(QStringLiteral("Heading"), {QStringLiteral("Segoe UI"), 9, ui::GridAlignLeft});
    // The rows a reader looks for first; "ERRO" (receipt removal) is "Erro" letter case aside.
    grid.SetRowMarks(QStringLiteral("Estado"),
                     {{estado::Erro, ui::GridRowMark::Error}, {estado::AVISO, ui::GridRowMark::Warning}});
}

void FrmViewDiagnosticos::pGrelhaLigar() {
    ui::DataGrid& grid = c_.grdDiag;
    grid.SetDataSource(pLogCarregado() ? log_ : nullptr);
    for (int i = 0; i < grid.ColumnCount(); ++i) {
        ui::GridColumn column = grid.Column(i);
        aplicarColuna(column);
        grid.SetColumn(i, column);
    }
}

bool FrmViewDiagnosticos::pPerguntaSeNaoGravado(const QString& pergunta, int defaultButton) {
    if (!pLogPorGravar()) return false;
    const int answer = c_.messages.MsgBox(NaoGravado + CrLf + pergunta, ui::vbYesNo + defaultButton, TituloPerguntas);
    return answer == ui::vbYes;
}

void FrmViewDiagnosticos::pAbrir() {
    // Yes means "save first": the user goes on with "Gravar como".
    if (pPerguntaSeNaoGravado(QStringLiteral("Pretende gravar?"), ui::vbDefaultButton1)) return;

    ui::CommonDialog& dialog = c_.dialog;
    dialog.FilterIndex = 1;
    dialog.DialogTitle = QStringLiteral("Selecção de ficheiro de Diagnóstico");
    dialog.Filter = QStringLiteral(" (*.XML)|*.XML");
    dialog.Flags = ui::cdlOFNFileMustExist + ui::cdlOFNHideReadOnly;
    // The dialog is shared: a name or cancel switch left by an earlier use
    // must not turn a cancel into an open or an error.
    dialog.FileName.clear();
    dialog.CancelError = false;
    dialog.ShowOpen();
    if (dialog.FileName.isEmpty()) return;
    pLogAbrirDe(dialog.FileName);
}

void FrmViewDiagnosticos::pLogAbrirDe(const QString& path) {
    log_.reset();
    auto rs = std::make_shared<ado::Recordset>();
    try {
        rs->Open(path, QStringLiteral("Provider=MSPersist;"), ado::adOpenForwardOnly, ado::adLockBatchOptimistic,
                 ado::adCmdFile);
        log_ = rs;
    } catch (...) {
        ui::showError(c_.messages, currentError(),
                      QStringLiteral("O ficheiro escolhido não é um ficheiro de diagnóstico.") + CrLf + path + CrLf,
                      ui::vbExclamation, TituloPerguntas);
    }
    pGrelhaLigar();
    c_.window.SetCaption(log_ ? captionFor(log_->Source()) : DesignCaption);
}

void FrmViewDiagnosticos::pLogGravarXml(const QString& path) {
    replaceFileWith(path, [this](const QString& fresh) { log_->Save(fresh, ado::adPersistXML); });
}

void FrmViewDiagnosticos::pGravarComo() {
    if (!pLogCarregado()) return;  // nothing to save, and no file is touched

    ui::CommonDialog& dialog = c_.dialog;
    dialog.CancelError = true;
    dialog.FilterIndex = 1;
    dialog.DialogTitle = QStringLiteral("Gravar ficheiro de diagnostico");
    dialog.Filter = QStringLiteral("Ficheiros XML (*.XML)|*.XML|Ficheiros Excel (*.XLS)|*.XLS");
    dialog.Flags = ui::cdlOFNOverwritePrompt;
    dialog.FileName = QDir(c_.addinFolder).filePath(QStringLiteral("Diagnostico.XML"));
    try {
        dialog.ShowSave();
    } catch (...) {
        // Only a cancel stops here; after any other failure the name in the dialog is used.
        if (currentError().number() == err::CancelSelected) return;
    }
    QString fileName = dialog.FileName;
    if (fileName.isEmpty()) return;

    // Every file is written fresh and moved over the old one only when
    // complete; a failure is shown and leaves the log as it was, unsaved.
    try {
        if (!isXmlName(fileName)) {
            replaceFileWith(fileName, [this](const QString& fresh) {
                c_.grdDiag.Export(fresh, ExportFormatSpreadsheet, ExportOptions);
            });
            // The file is written; whether a program could show it does not matter here.
            tryIgnoringError([&] { c_.shell.OpenDocument(fileName); });
            fileName = xmlCopyName(fileName);
        }
        pLogGravarXml(fileName);
    } catch (...) {
        ui::showError(c_.messages, currentError(),
                      QStringLiteral("Não foi possível gravar o ficheiro de diagnóstico.") + CrLf, ui::vbExclamation,
                      TituloPerguntas);
        return;
    }
    pLogAbrirDe(fileName);
}

void FrmViewDiagnosticos::pSair() {
    if (pLogPorGravar() && !pPerguntaSeNaoGravado(QStringLiteral("Pretende sair sem gravar?"), ui::vbDefaultButton2))
        return;
    c_.window.Hide();
}

void FrmViewDiagnosticos::pClick(void (FrmViewDiagnosticos::*command)()) {
    try {
        (this->*command)();
    } catch (...) {
        ui::showError(c_.messages, currentError(), QString(), ui::vbExclamation);
    }
}

void FrmViewDiagnosticos::CmdAbrir_Click() { pClick(&FrmViewDiagnosticos::pAbrir); }
void FrmViewDiagnosticos::CmdGravarComo_Click() { pClick(&FrmViewDiagnosticos::pGravarComo); }
void FrmViewDiagnosticos::cmdSair_Click() { pClick(&FrmViewDiagnosticos::pSair); }

void ConsultaDiagnosticos(FrmViewDiagnosticos& viewer, std::shared_ptr<ado::Recordset> log, ui::MessageBox& messages) {
    try {
        viewer.setDiagnostico(std::move(log));
        viewer.ViewDiagnostico();
    } catch (...) {
        ui::showError(messages, currentError(), QString(), ui::vbOKOnly, QStringLiteral("Consulta Diagnósticos"));
    }
}

}  // namespace tvx
