#include "ui_qt/property_grid_delegate.h"

#include "ui_qt/property_grid_model.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPersistentModelIndex>
#include <QToolButton>

namespace tvx::ui_qt {

namespace {

const QString BotaoTexto = QStringLiteral("…");

bool hasButton(const ui::PropertyGridItem* item) {
    return item && item->Kind() == ui::PropertyItemText && (item->Flags() & ui::PropertyItemHasButton) != 0;
}

int buttonWidth(const QStyleOptionViewItem& option) { return option.fontMetrics.horizontalAdvance(BotaoTexto) + 16; }

}  // namespace

PropertyGridDelegate::PropertyGridDelegate(PropertyGridModel& model, QObject* parent)
    : QStyledItemDelegate(parent), model_(model) {}

QRect PropertyGridDelegate::buttonRect(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    if (index.column() != PropertyGridModel::ValueColumn || !hasButton(model_.itemAt(index))) return {};
    const QRect cell = option.rect;
    const int width = buttonWidth(option);
    return QRect(cell.right() - width + 1, cell.top() + 1, width, cell.height() - 2);
}

void PropertyGridDelegate::pressButton(const QModelIndex& index) const {
    const QPersistentModelIndex at(index);
    QMetaObject::invokeMethod(
        const_cast<PropertyGridDelegate*>(this),
        [this, at] {
            if (ui::PropertyGridItem* item = model_.itemAt(at)) model_.grid().userPressButton(*item);
        },
        Qt::QueuedConnection);
}

QWidget* PropertyGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                            const QModelIndex& index) const {
    const ui::PropertyGridItem* item = model_.itemAt(index);
    if (!item || index.column() != PropertyGridModel::ValueColumn) return nullptr;
    auto* self = const_cast<PropertyGridDelegate*>(this);

    if (item->Kind() == ui::PropertyItemList) {
        auto* combo = new QComboBox(parent);
        combo->setObjectName(QStringLiteral("entradas"));
        for (const ui::PropertyConstraint& entry : item->Constraints()) combo->addItem(entry.caption, entry.data);
        // A pick is the user's change: it goes to the grid at once.
        connect(combo, &QComboBox::activated, self, [self, combo] {
            emit self->commitData(combo);
            emit self->closeEditor(combo);
        });
        return combo;
    }

    auto* line = new QLineEdit;
    line->setObjectName(QStringLiteral("texto"));
    line->setFrame(false);
    if (item->PasswordMask()) line->setEchoMode(QLineEdit::Password);
    if (!hasButton(item)) {
        line->setParent(parent);
        return line;
    }
    auto* editor = new QWidget(parent);
    editor->setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(editor);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(line, 1);
    auto* button = new QToolButton(editor);
    button->setObjectName(QStringLiteral("botao"));
    button->setText(BotaoTexto);
    button->setFixedWidth(buttonWidth(option));
    layout->addWidget(button);
    editor->setFocusProxy(line);
    // The line, not the editor around it, loses the focus when the user
    // clicks elsewhere (a window button): what was typed is kept then too.
    connect(line, &QLineEdit::editingFinished, self, [self, editor] { emit self->commitData(editor); });
    const QPersistentModelIndex at(index);
    connect(button, &QToolButton::clicked, self, [self, editor, at] {
        // What was typed is the item's value first; the dialog starts from it.
        emit self->commitData(editor);
        emit self->closeEditor(editor);
        self->pressButton(at);
    });
    return editor;
}

void PropertyGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        combo->setCurrentIndex(combo->findData(index.data(Qt::EditRole)));
        return;
    }
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line) line = editor->findChild<QLineEdit*>();
    if (line) line->setText(index.data(Qt::EditRole).toString());
}

void PropertyGridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        if (combo->currentIndex() >= 0) model->setData(index, combo->currentData());
        return;
    }
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line) line = editor->findChild<QLineEdit*>();
    if (line) model->setData(index, line->text());
}

void PropertyGridDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                                const QModelIndex&) const {
    editor->setGeometry(option.rect);
}

void PropertyGridDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!index.data(PropertyGridModel::CategoryRole).toBool()) return;
    option->font.setBold(true);
    option->backgroundBrush =
        option->palette.color(model_.grid().Appearance() == 2 ? QPalette::Midlight : QPalette::Base);
}

void PropertyGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    const QRect button = buttonRect(option, index);
    if (button.isNull()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem cell = option;
    cell.rect.setRight(button.left() - 1);
    QStyledItemDelegate::paint(painter, cell, index);
    QStyleOptionButton face;
    face.rect = button;
    face.text = BotaoTexto;
    face.state = QStyle::State_Enabled | QStyle::State_Raised;
    face.palette = option.palette;
    const QWidget* widget = option.widget;
    (widget ? widget->style() : QApplication::style())->drawControl(QStyle::CE_PushButton, &face, painter, widget);
}

QSize PropertyGridDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    return QStyledItemDelegate::sizeHint(option, index) + QSize(8, 8);
}

bool PropertyGridDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                       const QModelIndex& index) {
    const QRect button = buttonRect(option, index);
    if (!button.isNull() && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease ||
                             event->type() == QEvent::MouseButtonDblClick)) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && button.contains(mouse->position().toPoint())) {
            if (event->type() == QEvent::MouseButtonRelease) pressButton(index);
            return true;
        }
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}

}  // namespace tvx::ui_qt
