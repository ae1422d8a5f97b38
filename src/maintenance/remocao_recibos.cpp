#include "maintenance/remocao_recibos.h"

#include "host_api/doc_financeiro.h"
#include "platform/ado/recordset.h"
#include "platform/automation/conversions.h"
#include "platform/ui/error_box.h"
#include "runs/field_values.h"
#include "settings/dal_comandos.h"

namespace tvx {

const QString RemocaoRecibos::TituloProgresso = QStringLiteral("Remoção de Recibos");
const QString RemocaoRecibos::MensagemComErros = QStringLiteral("Ocorreram erros na remoção de recibos.");
const QString RemocaoRecibos::MensagemSucesso = QStringLiteral("Remoção de Recibos terminou com êxito!");
const QString RemocaoRecibos::TituloErro = QStringLiteral("Remover Recibos");
const QString RemocaoRecibos::MensagemErro = QStringLiteral("Erro ao importar.");

RemocaoRecibos::RemocaoRecibos(RunContext contexto) : c_(std::move(contexto)) {}

RemocaoRecibos::~RemocaoRecibos() = default;

void RemocaoRecibos::pRecibosRemover(const QString& sTpdoc, std::int16_t iAno, std::int32_t lPrim, std::int32_t lUlt) {
    try {
        c_.diagnostico.pDiagnosticoCreate();
        rsParametros_ = c_.comandos.HlpDb_ParametrosGet();
        if (!rsParametros_) err::raise(err::ObjectNotSet);
        // Not beside an import or another removal; a refused run changes nothing.
        bloqueios_ = c_.bloqueios(Operacao, execucoes_sql::Coluna::Recibo);
        if (!bloqueios_->adquirir(c_.empresa, QString(), c_.desktop.messages, TituloErro)) {
            bloqueios_.reset();
            c_.diagnostico.pDiagnosticoClose();
            return;
        }
        progresso_ = std::make_unique<FrmProgressoImport>(c_.desktop.newProgressWindow(), c_.desktop.messageLoop);
        progresso_->SetCaption(TituloProgresso);
        progresso_->start();
        // Counted in 64 bits: a range that ends at the largest number ends there.
        for (std::int64_t n = lPrim; n <= lUlt; ++n) {
            progresso_->update(QStringLiteral("A Remover: ") + QString::number(n), n, lPrim, lUlt);
            pReciboRemover(sTpdoc, iAno, std::int32_t(n));
            bloqueios_->batimento();
        }
        pTerminar();
    } catch (...) {
        pErroMostrar(currentError());
    }
}

void RemocaoRecibos::pReciboRemover(const QString& sTpdoc, std::int16_t iAno, std::int32_t lNumero) {
    if (!c_.m_Api) err::raise(err::ObjectNotSet);
    const std::shared_ptr<DocFinanceiro> doc = c_.m_Api->DocFinanceiro();
    if (!doc) err::raise(err::ObjectNotSet);
    // The type goes to the host as typed.
    Variant vTipo(sTpdoc), vNumero(lNumero), vSerie(pSerie(sTpdoc)), vAno(iAno);
    const QString sDocumento = sTpdoc + u' ' + QString::number(lNumero);
    std::int32_t r = doc->Ler(vTipo, vNumero, vSerie, vAno);
    if (r == 0) r = doc->Remover();
    if (r != 0)
        c_.diagnostico.pDiagnosticoAdd(lNumero, QString(), estado::ERRO, 0, sDocumento + u' ' + doc->UltimaMensagem());
    else
        c_.diagnostico.pDiagnosticoAdd(lNumero, QString(), estado::OK, 0, sDocumento);
}

std::int16_t RemocaoRecibos::pSerie(const QString& sTpdoc) const {
    const bool bPorConta = UCase(textoOuVazio(rsParametros_->value(QStringLiteral("RPCTIPODOCUM")))) == UCase(sTpdoc);
    return CInt(rsParametros_->value(bPorConta ? QStringLiteral("RPCSERIE") : QStringLiteral("RECSERIE")));
}

void RemocaoRecibos::pTerminar() {
    progresso_->end();
    progresso_.reset();
    pLibertar();
    const bool bErros = c_.diagnostico.pDiagnosticoTemErros();
    c_.desktop.messages.MsgBox(bErros ? MensagemComErros : MensagemSucesso, ui::vbOKOnly, TituloProgresso);
    c_.desktop.viewDiagnostico(c_.diagnostico.rsDiagnostico());
    c_.diagnostico.pDiagnosticoClose();
}

void RemocaoRecibos::pErroMostrar(const AutomationError& erro) {
    if (progresso_) tryIgnoringError([&] { progresso_->end(); });
    progresso_.reset();
    tryIgnoringError([&] { pLibertar(); });
    c_.diagnostico.pDiagnosticoClose();  // not shown: the run did not finish
    ui::showError(c_.desktop.messages, erro, MensagemErro + QStringLiteral("\r\n"), ui::vbOKOnly, TituloErro);
}

void RemocaoRecibos::pLibertar() {
    if (bloqueios_) bloqueios_->libertar();
    bloqueios_.reset();
}

}  // namespace tvx
