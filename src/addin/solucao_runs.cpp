// What the entry object lends its runs: the desktop they show themselves on
// and the diagnostics viewer.
#include "addin/addin_folder.h"
#include "addin/solucao.h"
#include "diagnostics/frm_view_diagnosticos.h"

namespace tvx::addin {

RunDesktop Solucao::runDesktop() {
    return RunDesktop{
        .messages = ui_->messages(),
        .messageLoop = ui_->messageLoop(),
        .newProgressWindow = [this] { return ui_->newProgressWindow(); },
        .viewDiagnostico = [this](std::shared_ptr<ado::Recordset> log) { pViewDiagnostico(std::move(log)); }};
}

RunContext Solucao::runContext(std::shared_ptr<OrigemDados>& origem,
                               std::function<std::shared_ptr<OrigemDados>()> novaOrigem) {
    return RunContext{.m_Api = m_.m_Api,
                      .comandos = m_.m_Comandos,
                      .diagnostico = m_.m_Diagnostico,
                      .origem = origem,
                      .novaOrigem = std::move(novaOrigem),
                      .desktop = runDesktop(),
                      .empresa = m_.m_sEmpresa,
                      .novosBloqueios = {}};
}

void Solucao::comViewerDiagnosticos(const std::function<void(FrmViewDiagnosticos&)>& use) {
    ui::ViewerWindow janela = ui_->newViewerWindow();
    if (!janela.window || !janela.grid) err::raise(err::CannotCreateObject, QStringLiteral("FrmViewDiagnosticos"));
    FrmViewDiagnosticos viewer(
        {*janela.window, *janela.grid, dialogoFicheiros(), ui_->messages(), ui_->shell(), addinFolder()});
    use(viewer);
}

void Solucao::pViewDiagnostico(std::shared_ptr<ado::Recordset> log) {
    comViewerDiagnosticos([&](FrmViewDiagnosticos& viewer) {
        viewer.setDiagnostico(std::move(log));
        viewer.ViewDiagnostico();
    });
}

}  // namespace tvx::addin
