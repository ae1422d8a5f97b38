#pragma once
// How a `run` command ended, for a scheduler: the exit status and one last
// line with the rows of the logs shown, counted per status. Read from what
// the console desktop recorded of each operation.
#include "ui_console/console_transcript.h"

#include <QMap>
#include <QString>

namespace tvx::host_app {

class BatchEnding {
public:
    // `presetConfig`: --set or --button were given, so the configuration window must carry them out.
    explicit BatchEnding(bool presetConfig) : presetConfig_(presetConfig) {}

    void add(const ui_console::OperationRecord& operation);
    // 0 every row fine; 3 a log holds "Erro"/"ERRO" rows (or a run stopped on
    // an error, its log unshown); 4 a run was refused by a run lock; 5 a
    // --set/--button was not carried out. The highest that applies.
    int exitCode() const;
    QString line() const;

private:
    bool presetConfig_;
    bool configShown_ = false;
    bool configFailed_ = false;
    bool refused_ = false;
    bool errors_ = false;
    QMap<QString, int> rowsPerEstado_;
};

}  // namespace tvx::host_app
