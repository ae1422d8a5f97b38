#pragma once
// What a batch run printed, in the order a reader wants it, and what it
// showed, for the host to tell how the run ended. A message box shown while
// no progress window is up is held back until the next thing is printed;
// after a log table it is printed below the table, so a run's verdict ("...
// terminou com êxito!") is the last thing on the screen, not lost above a
// thousand rows.
#include <QMap>
#include <QString>
#include <functional>
#include <iosfwd>
#include <vector>

namespace tvx::ui_console {

struct ConsoleBox {
    QString title;
    QString text;
    int style = 0;
};

// What one host operation showed.
struct OperationRecord {
    std::vector<ConsoleBox> boxes;
    bool progressShown = false;
    int logsShown = 0;
    QMap<QString, int> rowsPerEstado;  // over the logs shown, by the Estado written
    bool configShown = false;
    bool configCarriedOut = true;  // every preset edit made and the preset button clicked
};

class ConsoleTranscript {
public:
    explicit ConsoleTranscript(std::ostream& out) : out_(out) {}
    ~ConsoleTranscript() { flush(); }
    ConsoleTranscript(const ConsoleTranscript&) = delete;
    ConsoleTranscript& operator=(const ConsoleTranscript&) = delete;

    // The stream, once the boxes held back are printed.
    std::ostream& out();
    // A box: printed at once while a progress window is up, else held back.
    void box(const ConsoleBox& box, const QString& printed);
    void progressShown(bool shown);
    // A log table, written by `writeTable` (row by row, never whole in
    // memory), then the boxes held back; its rows counted by Estado.
    void logShown(const std::function<void(std::ostream&)>& writeTable, const QMap<QString, int>& rowsPerEstado);
    void configShown(bool carriedOut);
    // Prints what is held back and hands over the operation's record, starting a new one.
    OperationRecord endOperation();

private:
    void flush();

    std::ostream& out_;
    std::vector<QString> held_;
    bool progressUp_ = false;
    OperationRecord record_;
};

}  // namespace tvx::ui_console
