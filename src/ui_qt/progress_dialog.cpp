#include "ui_qt/progress_dialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace tvx::ui_qt {

ProgressDialog::ProgressDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      lblPagina_(new QLabel(this)),
      pgbPag_(new QProgressBar(this)) {
    lblPagina_->setObjectName(QStringLiteral("lblPagina"));
    pgbPag_->setObjectName(QStringLiteral("pgbPag"));
    pgbPag_->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 16);
    layout->setSpacing(10);
    layout->addWidget(lblPagina_);
    layout->addWidget(pgbPag_);
    // Wide enough for "A importar: linha 123456  de 123456" in any usual font.
    setMinimumWidth(lblPagina_->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 48);
    setWindowModality(Qt::ApplicationModal);
}

void ProgressDialog::closeEvent(QCloseEvent* event) { event->ignore(); }

void ProgressDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) return;  // a dialog would close itself
    QDialog::keyPressEvent(event);
}

}  // namespace tvx::ui_qt
