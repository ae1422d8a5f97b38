#include "runs/frm_progresso_import.h"

#include "platform/automation/automation_error.h"

#include <limits>

namespace tvx {

const QString FrmProgressoImport::DesignCaption = QStringLiteral("Importação de Movimentos");

FrmProgressoImport::FrmProgressoImport(std::unique_ptr<ui::ProgressWindow> window, ui::MessageLoop& messageLoop)
    : window_(std::move(window)), messageLoop_(messageLoop) {
    if (!window_) err::raise(err::CannotCreateObject, QStringLiteral("FrmProgressoImport"));
    window_->SetCaption(DesignCaption);
}

void FrmProgressoImport::SetCaption(const QString& sCaption) {
    if (window_) window_->SetCaption(sCaption);
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

void FrmProgressoImport::update(const QString& sLegenda, std::int64_t valor, std::int64_t minimo, std::int64_t maximo) {
    if (!window_) return;
    window_->SetLabelCaption(sLegenda);
    // The window's bar starts at 0: the range is moved there, scaled down when
    // wider than the bar takes; a range of one value shows the bar full.
    const std::int64_t largura = maximo - minimo;
    const std::int64_t passo = largura / std::numeric_limits<int>::max() + 1;
    window_->SetBarMax(largura > 0 ? int(largura / passo) : 1);
    window_->SetBarValue(largura > 0 ? int((valor - minimo) / passo) : 1);
    messageLoop_.DoEvents();
}

void FrmProgressoImport::end() {
    if (!window_) return;
    window_->Hide();
    window_.reset();
}

}  // namespace tvx
