#pragma once
// Keeps a document list's amount in sight on a narrow window: while the user
// has not set a width by hand, the columns that give way shrink (in their
// order, each down to a floor) until the column to keep ends inside the view,
// and grow back to the width they were given when there is room again.
// Columns after the kept one may scroll out of sight.
#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

class QTreeView;
class QWidget;

namespace tvx::ui_qt {
class DataGridWidget;
class RecordsetTableModel;
}  // namespace tvx::ui_qt

namespace tvx::host_gui {

class ColumnFit : public QObject {
    Q_OBJECT
public:
    struct GiveWay {
        QString key;     // the record set's field
        int floorChars;  // the narrowest it gets, in average characters
    };
    ColumnFit(ui_qt::DataGridWidget& grid, QString keep, std::vector<GiveWay> giveWay);

    // The columns were applied at the widths they are given: the widths they grow back to.
    void columnsGiven();
    // Widths restored from what the user left them at: they stay.
    void userWidths() { byHand_ = true; }
    void fit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QTreeView> view_;
    QPointer<ui_qt::RecordsetTableModel> table_;
    QPointer<QWidget> headerViewport_;
    QString keep_;
    std::vector<GiveWay> giveWay_;
    std::vector<int> given_;  // per give-way column, the width applied; 0 where absent
    bool byHand_ = false;
    bool dragging_ = false;
};

}  // namespace tvx::host_gui
