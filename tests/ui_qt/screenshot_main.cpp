// Draws the add-in's Qt windows with sample data into PNG files, so that a
// person can look at them: the diagnostics viewer after a run (flat, then
// grouped by Estado), the progress window half-way, and the message boxes
// the runs show (see window_picture.h).
// Usage: telvarix_ui_qt_screenshots OUTDIR
#include "diagnostics/diagnostico_log.h"
#include "diagnostics/frm_view_diagnosticos.h"
#include "platform/ui/message_box.h"
#include "runs/frm_progresso_import.h"
#include "settings/dal_comandos.h"
#include "ui_qt/data_grid_widget.h"
#include "ui_qt/form_dialog.h"
#include "ui_qt/progress_dialog.h"
#include "ui_qt/qt_common_dialog.h"
#include "ui_qt/qt_data_grid.h"
#include "ui_qt/qt_form_window.h"
#include "ui_qt/qt_message_box.h"
#include "ui_qt/qt_message_loop.h"
#include "ui_qt/qt_progress_window.h"
#include "ui_qt/qt_shell.h"
#include "ui_qt/qt_viewer_window.h"
#include "ui_qt/recordset_table_model.h"
#include "ui_qt/window_picture.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTimer>
#include <iostream>

using namespace tvx;
using namespace tvx::ui_qt;

namespace {

QString outDir;

void save(QWidget& window, const QString& name) { testing::saveWindowPicture(window, QDir(outDir).filePath(name)); }

// A run's log as the ticket and transfer imports write it.
std::shared_ptr<ado::Recordset> runLog() {
    struct Linha {
        const QString& estado;
        QString descricao;
    };
    const QString factura = QStringLiteral("Factura em Preparação FT %1/1/2024 TKT Issued ID %2");
    const std::vector<Linha> linhas = {
        {estado::Processado, factura.arg(45).arg(1101)},
        {estado::Processado, factura.arg(45).arg(1102)},
        {estado::Processado, factura.arg(45).arg(1103)},
        {estado::Erro, QStringLiteral("Linha com Cliente inválido. TKT Issued ID =1104")},
        {estado::Processado, factura.arg(46).arg(1105)},
        {estado::Erro, QStringLiteral("Valor Negativos em Fees. TKT Issued ID =1106")},
        {estado::Processado, factura.arg(47).arg(1107)},
        {estado::Processado, factura.arg(47).arg(1108)},
        {estado::Erro, QStringLiteral("TKT Issued ID 1109 O cliente 2117 tem o crédito bloqueado. Não é possível "
                                      "gravar o documento.")},
        {estado::Processado, factura.arg(48).arg(1110)},
        {estado::Processado, factura.arg(48).arg(1111)},
        {estado::Erro, QStringLiteral("Database is locked. Foi gerada factura. FT 49/1/2024 TKT Issued ID 1112")},
        {estado::Processado, factura.arg(50).arg(1113)},
        {estado::Processado, factura.arg(50).arg(1114)},
        {estado::Processado, factura.arg(51).arg(1115)},
        {estado::AVISO, QStringLiteral("ID=201 A factura FT 12/1/2024 não existe. Vai criar  Recebimento por conta.")},
        {estado::OK, QStringLiteral("ID=201 RE-31-2024")},
        {estado::OK, QStringLiteral("ID=202 RE-32-2024")},
        {estado::Erro, QStringLiteral("ID=203 O valor a regularizar excede o pendente do documento FT 17/1/2024.")},
        {estado::OK, QStringLiteral("ID=204 RE-33-2024")},
        {estado::AVISO, QStringLiteral("ID=205 Documento FT 3/1/2023 já liquidado. Vai criar  Recebimento por conta.")},
        {estado::OK, QStringLiteral("ID=205 RE-34-2024")},
        {estado::OK, QStringLiteral("ID=206 RE-35-2024")},
        {estado::Processado, factura.arg(52).arg(1116)},
        {estado::Processado, factura.arg(52).arg(1117)},
        {estado::Erro, QStringLiteral("Linha com Cliente inválido. TKT Issued ID =1118")},
        {estado::Processado, factura.arg(53).arg(1119)},
        {estado::OK, QStringLiteral("ID=207 RE-36-2024")},
        {estado::Processado, factura.arg(54).arg(1120)},
        {estado::Processado, factura.arg(54).arg(1121)},
    };
    DiagnosticoLog log{DalComandos::HlpDb_DiagnosticoCreate};
    log.pDiagnosticoCreate();
    for (std::size_t i = 0; i < linhas.size(); ++i)
        log.pDiagnosticoAdd(std::int32_t(i + 1), {}, linhas[i].estado, 0, linhas[i].descricao);
    return log.rsDiagnostico();
}

void viewerPictures() {
    ui::ViewerWindow janela = newQtViewerWindow();
    QtMessageBox messages;
    QtCommonDialog files(messages);
    QtShell shell;
    FrmViewDiagnosticos viewer({*janela.window, *janela.grid, files, messages, shell, QDir::homePath()});
    viewer.setDiagnostico(runLog());
    auto* form = dynamic_cast<QtFormWindow&>(*janela.window).dialog();
    auto* grid = dynamic_cast<QtDataGrid&>(*janela.grid).widget();
    QTimer::singleShot(200, [&] {
        save(*form, QStringLiteral("viewer.png"));
        grid->groupBy(grid->tableModel()->columnOf(QStringLiteral("Estado")));
        save(*form, QStringLiteral("viewer-grouped-by-estado.png"));
        janela.window->Hide();
    });
    viewer.ViewDiagnostico();  // shown modally until the pictures are taken
}

void progressPicture() {
    QtMessageLoop loop;
    auto window = std::make_unique<QtProgressWindow>();
    ProgressDialog* dialog = window->dialog();
    FrmProgressoImport progress(std::move(window), loop);
    progress.start();
    for (int linha = 1; linha <= 17; ++linha) progress.update(linha, 30);
    save(*dialog, QStringLiteral("progress.png"));
    progress.end();
}

void messageBoxPicture(const QString& prompt, int style, const QString& title, const QString& name) {
    const auto box = newMessageBox(prompt, style, title);
    box->show();
    save(*box, name);
    box->hide();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: telvarix_ui_qt_screenshots OUTDIR\n";
        return 2;
    }
    outDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outDir);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Portugal));

    viewerPictures();
    progressPicture();
    messageBoxPicture(QStringLiteral("Erro Não foi possível abrir a base de dados da agência: "
                                     "C:\\Agencia\\Dados\\agencia.accdb"),
                      ui::vbExclamation, QStringLiteral("Operações"), QStringLiteral("msgbox-erro.png"));
    messageBoxPicture(QStringLiteral("Ocorreram erros na importação de movimentos."), ui::vbOKOnly,
                      QStringLiteral("Importação de Movimentos"), QStringLiteral("msgbox-resumo.png"));
    messageBoxPicture(QStringLiteral("O ficheiro de diagnóstico não se encontra gravado.\r\nPretende sair sem gravar?"),
                      ui::vbYesNo + ui::vbDefaultButton2, QStringLiteral("Diagnósticos"),
                      QStringLiteral("msgbox-sair-sem-gravar.png"));
    return 0;
}
