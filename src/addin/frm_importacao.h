#pragma once
// The form that hosts the CSV file dialog. It is loaded on first use, stays
// loaded and is never shown: only its dialog control appears.
#include "platform/ui/common_dialog.h"

#include <QString>
#include <memory>

namespace tvx::addin {

class FrmImportacao {
public:
    explicit FrmImportacao(std::unique_ptr<ui::CommonDialog> cdlFicheiro);

    ui::CommonDialog& cdlFicheiro() { return *cdlFicheiro_; }

private:
    std::unique_ptr<ui::CommonDialog> cdlFicheiro_;
};

// Properties the CSV choice sets before each show.
inline const QString CsvDialogTitle = QStringLiteral("Selecção de ficheiro de Importação");
inline const QString CsvDialogFilter = QStringLiteral(" (*.CSV)|*.CSV");
inline constexpr int CsvDialogFlags = ui::cdlOFNFileMustExist | ui::cdlOFNHideReadOnly;  // 4100

}  // namespace tvx::addin
