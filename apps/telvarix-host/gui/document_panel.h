#pragma once
// A list of the main window: a search box over the grid (the rows whose
// texts hold what is typed) and, in the grid's place, a message when there
// is nothing to list.
#include <QWidget>

class QLabel;
class QLineEdit;
class QStackedWidget;

namespace tvx::ui_qt {
class DataGridWidget;
}

namespace tvx::host_gui {

class DocumentPanel : public QWidget {
    Q_OBJECT
public:
    // `empty`: what the list says when the company has none of its documents.
    DocumentPanel(ui_qt::DataGridWidget* grid, const QString& empty, QWidget* parent = nullptr);

    QLineEdit* search() const { return search_; }
    // The message shown instead of the grid; null while the grid is shown.
    const QLabel* message() const;

private:
    void showRows(int shown, int total);

    ui_qt::DataGridWidget* grid_;
    QLineEdit* search_;
    QStackedWidget* stack_;
    QLabel* message_;
    QString empty_;
};

}  // namespace tvx::host_gui
