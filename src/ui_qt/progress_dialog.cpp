#include "ui_qt/progress_dialog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tvx::ui_qt {

ProgressDialog::ProgressDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      lblPagina_(new QLabel(this)),
      pgbPag_(new QProgressBar(this)),
      stopping_(new QLabel(QStringLiteral("A parar: a operação termina o documento em curso."), this)),
      cancel_(new QPushButton(QStringLiteral("Cancelar"), this)) {
    lblPagina_->setObjectName(QStringLiteral("lblPagina"));
    pgbPag_->setObjectName(QStringLiteral("pgbPag"));
    pgbPag_->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 16);
    layout->setSpacing(10);
    layout->addWidget(lblPagina_);
    layout->addWidget(pgbPag_);
    stopping_->setObjectName(QStringLiteral("lblParar"));
    stopping_->hide();
    cancel_->setObjectName(QStringLiteral("cmdCancelar"));
    cancel_->setAutoDefault(false);
    connect(cancel_, &QPushButton::clicked, this, &ProgressDialog::requestCancel);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(stopping_, 1);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);
    // Wide enough for "A importar: linha 123456  de 123456" in any usual font.
    setMinimumWidth(lblPagina_->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 48);
    setWindowModality(Qt::ApplicationModal);
}

void ProgressDialog::requestCancel() {
    if (cancelRequested_) return;
    cancelRequested_ = true;
    cancel_->setEnabled(false);
    stopping_->show();
}

// The window stays until the run hides it: closing it only asks the run to stop.
void ProgressDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    requestCancel();
}

void ProgressDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        requestCancel();  // not QDialog's reject, which would hide the window
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace tvx::ui_qt
