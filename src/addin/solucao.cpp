#include "addin/solucao.h"

#include "addin/automation_objects.h"
#include "addin/entry_point.h"
#include "host_api/host_classes.h"
#include "settings/dal_comandos.h"

namespace tvx::addin {

Solucao::Solucao(std::shared_ptr<ui::AddinUi> ui, std::shared_ptr<OperationRuns> runs)
    : ui_(std::move(ui)), runs_(std::move(runs)) {
    if (!ui_ || !runs_) err::raise(err::InvalidCall, QStringLiteral("Solucao"));
    m_.m_Ligacao = createObject<DalLigacao>(host_classes::DalLigacao);
}

Solucao::~Solucao() = default;

bool Solucao::ConnectionOpen(const QString& sEmpresa, const QString& sUserLogin) {
    bool bResult = false;
    runEntryPoint(ui_->messages(), TituloLigacao, [&] {
        m_.m_sUserLogin = sUserLogin;
        m_.m_sEmpresa = sEmpresa;
        pLerDefinicoes();
        if (!pLigarBaseDados()) return;
        if (!pLigarApi()) {
            pDesligarBaseDados();
            return;
        }
        m_.m_Comandos.HlpDb_LigacaoSet(m_.m_Ligacao);
        bResult = true;
        // A failure here leaves the add-in open: the result is already True.
        pCompatibilizarBaseDados();
    });
    return bResult;
}

bool Solucao::ConnectionClose() {
    pDesligarApi();
    return pDesligarBaseDados();
}

bool Solucao::ConnectionValidate(const QString& sEmpresa, const QString& sUserLogin) {
    bool bResult = false;
    runEntryPoint(ui_->messages(), TituloValidacao, [&] {
        // Case counts: "empr01" is another company than "EMPR01".
        if (sEmpresa == m_.m_sEmpresa) {
            bResult = true;
            return;
        }
        ConnectionClose();
        if (ConnectionOpen(sEmpresa, sUserLogin)) {
            bResult = true;
            return;
        }
        ui_->messages().MsgBox(QStringLiteral("Erro. Não foi possivel estabelecer a ligação à empresa ") + sEmpresa +
                                   QStringLiteral(".\r\nA Solução vai ser desactivada."),
                               ui::vbExclamation, TituloValidacao);
    });
    return bResult;
}

}  // namespace tvx::addin
