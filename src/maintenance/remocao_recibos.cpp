#include "maintenance/remocao_recibos.h"

#include "host_api/doc_financeiro.h"
#include "platform/ado/recordset.h"
#include "platform/automation/conversions.h"
#include "runs/field_values.h"
#include "runs/run_frame.h"
#include "settings/dal_comandos.h"

namespace tvx {

const QString RemocaoRecibos::TituloProgresso = QStringLiteral("Remoção de Recibos");
const QString RemocaoRecibos::MensagemComErros = QStringLiteral("Ocorreram erros na remoção de recibos.");
const QString RemocaoRecibos::MensagemSucesso = QStringLiteral("Remoção de Recibos terminou com êxito!");
const QString RemocaoRecibos::TituloErro = QStringLiteral("Remover Recibos");
const QString RemocaoRecibos::MensagemErro = QStringLiteral("Erro ao importar.");

RemocaoRecibos::RemocaoRecibos(RunContext contexto) : c_(std::move(contexto)) {}

RemocaoRecibos::~RemocaoRecibos() = default;

void RemocaoRecibos::pRecibosRemover(const QString& sTpdoc, std::int16_t iAno, std::int32_t lPrim, std::int32_t lUlt,
                                     const std::function<void()>& aposBloqueio) {
    // Not beside an import or another removal; a refused run changes nothing.
    RunFrame frame(c_, {.operation = Operacao,
                        .inFlightColumn = execucoes_sql::Coluna::Recibo,
                        .texts = {.errorTitle = TituloErro,
                                  .errorMessage = MensagemErro,
                                  .summaryTitle = TituloProgresso,
                                  .successMessage = MensagemSucesso,
                                  .errorsMessage = MensagemComErros,
                                  .progressCaption = TituloProgresso},
                        .afterError = AfterError::CloseLog,
                        .lockedSource = {}});
    frame.run([&] {
        rsParametros_ = &frame.parameters();
        if (aposBloqueio) aposBloqueio();
        frame.forEachNumber(lPrim, lUlt, QStringLiteral("A Remover: "),
                            [&](std::int64_t n) { pReciboRemover(sTpdoc, iAno, std::int32_t(n)); });
    });
    rsParametros_ = nullptr;
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

}  // namespace tvx
