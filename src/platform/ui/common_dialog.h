#pragma once
// The common file dialog: properties set before each use, an open or a save
// dialog shown modally, and the chosen file name read back. One instance is
// shared by the add-in's commands, so every property keeps its value between
// uses until a caller sets it again.
#include <QString>
#include <optional>
#include <vector>

namespace tvx::ui {

// Flag bits the add-in uses.
enum CommonDialogFlags : int {
    cdlOFNOverwritePrompt = 2,   // save: ask before overwriting an existing file
    cdlOFNHideReadOnly = 4,      // open: no read-only check box
    cdlOFNFileMustExist = 4096,  // open: only existing files can be chosen
};

enum class FileDialogKind { Open, Save };

// One "description|pattern" pair of a filter text.
struct FileFilter {
    QString description;
    QString pattern;  // one or more patterns separated by ';'
};
// Splits "Ficheiros XML (*.XML)|*.XML|..." into its pairs; a trailing
// description without a pattern is dropped.
std::vector<FileFilter> parseFileFilter(const QString& filter);
// A file name typed without an extension gets the filter's (the first
// pattern's, "*.XLS" -> ".XLS"); a name with one, or a filter without a
// plain extension ("*.*", "*"), leaves the name as it is.
QString withFilterExtension(const QString& fileName, const FileFilter& filter);

class CommonDialog {
public:
    virtual ~CommonDialog() = default;

    QString DialogTitle;
    QString Filter;
    int FilterIndex = 0;  // 1-based
    int Flags = 0;
    bool CancelError = false;
    QString FileName;

    // Show the dialog. On a choice FileName holds the chosen path. On cancel
    // FileName is left as it was, and with CancelError set the cancel is
    // raised as error 32755.
    void ShowOpen() { show(FileDialogKind::Open); }
    void ShowSave() { show(FileDialogKind::Save); }

protected:
    // Asks the user; nullopt when the dialog was cancelled.
    virtual std::optional<QString> choose(FileDialogKind kind) = 0;

private:
    void show(FileDialogKind kind);
};

}  // namespace tvx::ui
