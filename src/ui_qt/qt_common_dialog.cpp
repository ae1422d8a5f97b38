#include "ui_qt/qt_common_dialog.h"

#include "ui_qt/dialog_parent.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

namespace tvx::ui_qt {

QString nameFilterText(const ui::FileFilter& filter) {
    // The patterns go in brackets at the end, where Qt reads them; a
    // description that already ends in brackets has them replaced.
    static const QRegularExpression trailingBrackets(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    QString description = filter.description.trimmed();
    description.remove(trailingBrackets);
    const QString patterns = filter.pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
    return (description.isEmpty() ? QString() : description + QLatin1Char(' ')) + QLatin1Char('(') + patterns +
           QLatin1Char(')');
}

void configureFileDialog(QFileDialog& dialog, const ui::CommonDialog& props, ui::FileDialogKind kind,
                         const DialogFolders& folders) {
    const bool save = kind == ui::FileDialogKind::Save;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);  // asked in Portuguese by choose()
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(!save && (props.Flags & ui::cdlOFNFileMustExist) ? QFileDialog::ExistingFile
                                                                        : QFileDialog::AnyFile);
    dialog.setWindowTitle(!props.DialogTitle.isEmpty() ? props.DialogTitle
                          : save                       ? QStringLiteral("Guardar como")
                                                       : QStringLiteral("Abrir"));
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Procurar em:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Nome do ficheiro:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Ficheiros do tipo:"));
    dialog.setLabelText(QFileDialog::Accept, save ? QStringLiteral("&Guardar") : QStringLiteral("&Abrir"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Cancelar"));

    QStringList filters;
    for (const auto& filter : ui::parseFileFilter(props.Filter)) filters << nameFilterText(filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        if (props.FilterIndex >= 1 && props.FilterIndex <= filters.size())
            dialog.selectNameFilter(filters.at(props.FilterIndex - 1));
    }

    dialog.setDirectory(startFolder(folders, dialog.windowTitle(), props.FileName));
    if (!props.FileName.isEmpty()) dialog.selectFile(QFileInfo(props.FileName).fileName());
}

std::optional<QString> QtCommonDialog::choose(ui::FileDialogKind kind) {
    QFileDialog dialog(dialogParent());
    configureFileDialog(dialog, *this, kind, *folders_);
    const std::vector<ui::FileFilter> filters = ui::parseFileFilter(Filter);
    for (;;) {
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        QString chosen = dialog.selectedFiles().value(0);
        if (chosen.isEmpty()) return std::nullopt;
        const qsizetype filter = dialog.nameFilters().indexOf(dialog.selectedNameFilter());
        if (kind == ui::FileDialogKind::Save && filter >= 0 && std::size_t(filter) < filters.size())
            chosen = ui::withFilterExtension(chosen, filters[std::size_t(filter)]);
        const bool replaces =
            kind == ui::FileDialogKind::Save && (Flags & ui::cdlOFNOverwritePrompt) && QFileInfo::exists(chosen);
        if (replaces &&
            messages_.MsgBox(QFileInfo(chosen).fileName() + QStringLiteral(" já existe.\r\n") +
                                 QStringLiteral("Pretende substituí-lo?"),
                             ui::vbYesNo + ui::vbExclamation + ui::vbDefaultButton2, dialog.windowTitle()) != ui::vbYes)
            continue;
        if (filter >= 0) FilterIndex = int(filter) + 1;
        folders_->remember(dialog.windowTitle(), QFileInfo(chosen).absolutePath());
        return chosen;
    }
}

}  // namespace tvx::ui_qt
