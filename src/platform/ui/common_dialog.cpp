#include "platform/ui/common_dialog.h"

#include "platform/automation/automation_error.h"

#include <QStringList>

namespace tvx::ui {

std::vector<FileFilter> parseFileFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    std::vector<FileFilter> pairs;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) pairs.push_back({parts[i], parts[i + 1]});
    return pairs;
}

QString withFilterExtension(const QString& fileName, const FileFilter& filter) {
    const QString name = fileName.mid(fileName.lastIndexOf(u'/') + 1);
    if (name.isEmpty() || name.contains(u'.')) return fileName;
    const QString first = filter.pattern.section(u';', 0, 0).trimmed();
    if (!first.startsWith(QStringLiteral("*.")) || first.size() < 3) return fileName;
    const QString extension = first.mid(1);
    if (extension.contains(u'*') || extension.contains(u'?')) return fileName;
    return fileName + extension;
}

void CommonDialog::show(FileDialogKind kind) {
    const auto chosen = choose(kind);
    if (chosen) {
        FileName = *chosen;
        return;
    }
    if (CancelError) err::raise(err::CancelSelected, QStringLiteral("CommonDialog"));
}

}  // namespace tvx::ui
