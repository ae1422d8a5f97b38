#include "maintenance/script_executar.h"

#include "maintenance/ficheiro_texto_ler.h"
#include "platform/ui/error_box.h"
#include "settings/dal_comandos.h"

namespace tvx {

void pScriptExecutar(DalComandos& comandos, ui::MessageBox& messages, const std::function<QString()>& pastaBase) {
    try {
        // No fallback folder, unlike the settings file: the folder is used whether it exists or not.
        const QString sFicheiro = pastaBase() + QStringLiteral("\\quorel") + QStringLiteral("\\ZUNK.TXT");
        QString sTexto;
        pFicheiroTextoLer(sFicheiro, sTexto);
        comandos.HlpDb_Executar(sTexto);  // its count is of no use here
    } catch (...) {
        ui::showError(messages, currentError(), MensagemErroScript + QStringLiteral("\r\n"), ui::vbOKOnly,
                      TituloScript);
    }
}

}  // namespace tvx
