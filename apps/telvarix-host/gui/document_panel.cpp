#include "telvarix-host/gui/document_panel.h"

#include "ui_qt/data_grid_widget.h"

#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace tvx::host_gui {

DocumentPanel::DocumentPanel(ui_qt::DataGridWidget* grid, const QString& empty, QWidget* parent)
    : QWidget(parent),
      grid_(grid),
      search_(new QLineEdit(this)),
      stack_(new QStackedWidget(this)),
      message_(new QLabel(this)),
      empty_(empty) {
    search_->setObjectName(QStringLiteral("txtPesquisa"));
    search_->setPlaceholderText(QStringLiteral("Pesquisar na lista (cliente, nome, número…)"));
    search_->setClearButtonEnabled(true);
    message_->setAlignment(Qt::AlignCenter);
    message_->setWordWrap(true);
    message_->setEnabled(false);  // drawn in the palette's muted colour
    stack_->addWidget(grid_);
    stack_->addWidget(message_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(search_);
    layout->addWidget(stack_, 1);

    connect(search_, &QLineEdit::textChanged, grid_, &ui_qt::DataGridWidget::setFilterText);
    connect(grid_, &ui_qt::DataGridWidget::rowsShownChanged, this, &DocumentPanel::showRows);
    showRows(grid_->shownRowCount(), grid_->rowCount());
}

const QLabel* DocumentPanel::message() const { return stack_->currentWidget() == message_ ? message_ : nullptr; }

void DocumentPanel::showRows(int shown, int total) {
    if (shown > 0) {
        stack_->setCurrentWidget(grid_);
        return;
    }
    message_->setText(total == 0 ? empty_
                                 : QStringLiteral("Nenhum documento corresponde a \"%1\".").arg(search_->text()));
    stack_->setCurrentWidget(message_);
}

}  // namespace tvx::host_gui
