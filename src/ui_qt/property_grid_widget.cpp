#include "ui_qt/property_grid_widget.h"

#include "ui_qt/property_grid_delegate.h"
#include "ui_qt/property_grid_model.h"

#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QSplitter>
#include <QTreeView>
#include <QVBoxLayout>

namespace tvx::ui_qt {

namespace {

// The grid's tree, telling whether a value is being edited in it.
class PropertyTree : public QTreeView {
public:
    bool editing() const { return state() == EditingState; }
};

bool editing(const QTreeView* view) { return static_cast<const PropertyTree*>(view)->editing(); }

}  // namespace

PropertyGridWidget::PropertyGridWidget(ui::PropertyGrid& grid, QWidget* parent)
    : QWidget(parent),
      model_(new PropertyGridModel(grid, this)),
      delegate_(new PropertyGridDelegate(*model_, this)),
      view_(new PropertyTree),
      title_(new QLabel),
      text_(new QLabel) {
    view_->setObjectName(QStringLiteral("propriedades"));
    view_->setModel(model_);
    view_->setItemDelegate(delegate_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                           QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    view_->setUniformRowHeights(true);
    view_->setAllColumnsShowFocus(true);
    view_->setAlternatingRowColors(false);
    view_->setIndentation(14);
    view_->header()->setStretchLastSection(true);
    view_->header()->setSectionsMovable(false);
    view_->installEventFilter(this);
    view_->viewport()->installEventFilter(this);

    auto* pane = new QFrame;
    pane->setObjectName(QStringLiteral("descricao"));
    pane->setFrameShape(QFrame::StyledPanel);
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* paneLayout = new QVBoxLayout(pane);
    paneLayout->addWidget(title_);
    paneLayout->addWidget(text_, 1);
    pane->setMinimumHeight(title_->sizeHint().height() + text_->fontMetrics().lineSpacing() * 3 + 16);

    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(view_);
    splitter->addWidget(pane);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    splitter->setChildrenCollapsible(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    connect(model_, &QAbstractItemModel::modelReset, this, &PropertyGridWidget::showStructure);
    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { showDescription(current); });
    // Descriptions change with the item (a list rebuilt keeps its row).
    connect(model_, &QAbstractItemModel::dataChanged, this, [this] { showDescription(view_->currentIndex()); });
    showStructure();
}

void PropertyGridWidget::showStructure() {
    for (int row = 0; row < model_->rowCount(); ++row) {
        const QModelIndex category = model_->index(row, 0);
        view_->setFirstColumnSpanned(row, {}, true);
        view_->setExpanded(category, model_->categoryAt(category)->Expanded());
    }
    view_->resizeColumnToContents(PropertyGridModel::CaptionColumn);
    view_->header()->resizeSection(PropertyGridModel::CaptionColumn,
                                   view_->header()->sectionSize(PropertyGridModel::CaptionColumn) + 24);
    if (!view_->currentIndex().isValid() && model_->rowCount() > 0) view_->setCurrentIndex(model_->index(0, 0));
    showDescription(view_->currentIndex());
}

void PropertyGridWidget::showDescription(const QModelIndex& current) {
    const QModelIndex caption = current.siblingAtColumn(PropertyGridModel::CaptionColumn);
    title_->setText(caption.data().toString());
    text_->setText(caption.data(PropertyGridModel::DescriptionRole).toString());
}

QRect PropertyGridWidget::buttonAt(const QModelIndex& value) const {
    QStyleOptionViewItem option;
    option.rect = view_->visualRect(value);
    option.fontMetrics = view_->fontMetrics();
    return delegate_->buttonRect(option, value);
}

bool PropertyGridWidget::keyPressed(QKeyEvent* key) {
    const QModelIndex current = view_->currentIndex();
    if (!model_->itemAt(current) || editing(view_)) return false;
    const QModelIndex value = current.siblingAtColumn(PropertyGridModel::ValueColumn);
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_F2:
            view_->setCurrentIndex(value);
            view_->edit(value);
            return true;
        case Qt::Key_F4:
            if (!buttonAt(value).isNull()) {
                delegate_->pressButton(value);
                return true;
            }
            view_->setCurrentIndex(value);
            view_->edit(value);
            if (auto* combo = view_->viewport()->findChild<QComboBox*>()) combo->showPopup();
            return true;
        default:
            // Typing goes to the value, whichever column the row was entered by.
            if (current.column() != PropertyGridModel::ValueColumn && !key->text().trimmed().isEmpty())
                view_->setCurrentIndex(value);
            return false;
    }
}

bool PropertyGridWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::KeyPress) return keyPressed(static_cast<QKeyEvent*>(event));
    if (watched == view_->viewport() && event->type() == QEvent::MouseButtonRelease) {
        // One click on a value edits it (the in-place button is the delegate's).
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QModelIndex at = view_->indexAt(mouse->position().toPoint());
        if (mouse->button() == Qt::LeftButton && model_->itemAt(at) && at.column() == PropertyGridModel::ValueColumn &&
            !editing(view_)) {
            if (!buttonAt(at).contains(mouse->position().toPoint())) {
                QMetaObject::invokeMethod(
                    this,
                    [this, index = QPersistentModelIndex(at)] {
                        if (index.isValid()) view_->edit(index);
                    },
                    Qt::QueuedConnection);
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tvx::ui_qt
