#include "addin/frm_importacao.h"

#include "platform/automation/automation_error.h"

namespace tvx::addin {

FrmImportacao::FrmImportacao(std::unique_ptr<ui::CommonDialog> cdlFicheiro) : cdlFicheiro_(std::move(cdlFicheiro)) {
    if (!cdlFicheiro_) err::raise(err::CannotCreateObject, QStringLiteral("FrmImportacao"));
}

}  // namespace tvx::addin
