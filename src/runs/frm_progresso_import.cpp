#include "runs/frm_progresso_import.h"

#include "platform/automation/automation_error.h"

namespace tvx {

const QString FrmProgressoImport::DesignCaption = QStringLiteral("Importação de Movimentos");

FrmProgressoImport::FrmProgressoImport(std::unique_ptr<ui::ProgressWindow> window, ui::MessageLoop& messageLoop)
    : window_(std::move(window)), messageLoop_(messageLoop) {
    if (!window_) err::raise(err::CannotCreateObject, QStringLiteral("FrmProgressoImport"));
    window_->SetCaption(DesignCaption);
}

void FrmProgressoImport::start() {
    if (window_) window_->Show();
}

QString FrmProgressoImport::lblPaginaCaption(std::int32_t lLinha, std::int32_t lTotal) {
    return QStringLiteral("A importar: linha ") + QString::number(lLinha) + QStringLiteral(" ") +
           QStringLiteral(" de ") + QString::number(lTotal);
}

void FrmProgressoImport::update(std::int32_t lLinha, std::int32_t lTotal) {
    if (!window_) return;
    window_->SetLabelCaption(lblPaginaCaption(lLinha, lTotal));
    window_->SetBarMax(lTotal);
    window_->SetBarValue(lLinha);
    messageLoop_.DoEvents();
}

void FrmProgressoImport::end() {
    if (!window_) return;
    window_->Hide();
    window_.reset();
}

}  // namespace tvx
