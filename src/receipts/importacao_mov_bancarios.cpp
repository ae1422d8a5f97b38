#include "receipts/importacao_mov_bancarios.h"

#include "platform/automation/conversions.h"
#include "receipts/receipt_creation.h"
#include "receipts/recibo_pendente.h"
#include "receipts/settlement_resolution.h"
#include "receipts/texto_invalido.h"
#include "runs/cliente_valido.h"
#include "runs/field_values.h"
#include "runs/run_frame.h"
#include "settings/dal_comandos.h"

namespace tvx {

const QString ImportacaoMovBancarios::TituloProgresso = QStringLiteral("Importação de Mov. Bancários");
const QString ImportacaoMovBancarios::TituloResumo = QStringLiteral("Importação de Movimentos");
const QString ImportacaoMovBancarios::MensagemComErros = QStringLiteral("Ocorreram erros na importação de movimentos.");
const QString ImportacaoMovBancarios::MensagemSucesso = QStringLiteral("Importação de movimentos terminou com êxito!");
const QString ImportacaoMovBancarios::TituloErro = QStringLiteral("Importação de Mov.Bancários");
const QString ImportacaoMovBancarios::MensagemErro = QStringLiteral("Erro ao importar.");

namespace {

const QString TabelaTransferencias = QStringLiteral("Extratos_bancos");

}  // namespace

ImportacaoMovBancarios::ImportacaoMovBancarios(ImportacaoMovBancariosContexto contexto) : c_(std::move(contexto)) {}

ImportacaoMovBancarios::~ImportacaoMovBancarios() = default;

void ImportacaoMovBancarios::pImportarMovBancarios() {
    RunFrame frame(
        c_, {.operation = 1003,
             .inFlightColumn = execucoes_sql::Coluna::Recibo,
             .texts = {.errorTitle = TituloErro,
                       .errorMessage = MensagemErro,
                       .summaryTitle = TituloResumo,
                       .successMessage = MensagemSucesso,
                       .errorsMessage = MensagemComErros,
                       .progressCaption = TituloProgresso},
             .afterError = AfterError::CloseLog,
             .lockedSource = [](ado::Recordset& rsParam) { return CStr(rsParam.value(QStringLiteral("BDNOME"))); }});
    frame_ = &frame;
    frame.run([&] {
        ado::Recordset& rsParam = frame.parameters();
        tiposRecibo_ = {CStr(rsParam.value(QStringLiteral("RECTIPODOCUM"))),
                        CStr(rsParam.value(QStringLiteral("RPCTIPODOCUM")))};
        const auto rs = pMovimentosBancariosGet(CStr(rsParam.value(QStringLiteral("BDNOME"))), QString());
        if (!rs) err::raise(err::ObjectNotSet);
        if (rs->RecordCount() > 0) frame.forEachRow(*rs, [&](std::int32_t lLinha) { pLinhaImportar(*rs, lLinha); });
    });
    frame_ = nullptr;
}

std::shared_ptr<ado::Recordset> ImportacaoMovBancarios::pMovimentosBancariosGet(const QString& sDataSource,
                                                                                const QString&) {
    return reraiseAs(QStringLiteral("pMovimentosBancariosGet"), [&] {
        OrigemDados& origem =
            frame().openSource(sDataSource, [&](const DocumentoPendente& pendente, SourceWrites& escrita) {
                pReciboPendenteRecuperar(frame().api(), c_.comandos, pendente, tiposRecibo_, escrita, c_.diagnostico);
            });
        return origem.GetRecordSet(TabelaTransferencias);
    });
}

void ImportacaoMovBancarios::pLinhaImportar(ado::Recordset& rs, std::int32_t lLinha) {
    const QString sConta = textoOuVazio(rs.value(QStringLiteral("Account")));
    if (sConta.isEmpty()) return;  // not a customer's transfer: nothing to log
    if (const QString sCampo = pCampoInvalido(rs); !sCampo.isEmpty()) {
        // Left pending and logged: the next transfers are imported all the same.
        pDiagnosticoAdd(lLinha, estado::Erro,
                        QStringLiteral("ID=") + textoDoValor(rs.value(QStringLiteral("ID"))) +
                            QStringLiteral(" Valor inválido em ") + sCampo + QStringLiteral(" (") +
                            textoDoValor(rs.value(sCampo)) + QStringLiteral(")"));
        return;
    }
    const QString sFatura = textoOuVazio(rs.value(QStringLiteral("Fatura")));
    const Variant vId = rs.value(QStringLiteral("ID"));
    const std::int32_t lId = vId.isNull() ? 0 : CLng(vId);
    const QString sId = QString::number(lId);

    if (!pClienteValido(c_.comandos, sConta)) {
        pDiagnosticoAdd(
            lLinha, estado::Erro,
            QStringLiteral("Linha com Cliente inválido. ID =") + sId + QStringLiteral(" Cliente =") + sConta);
        return;
    }
    frame().document(pPendente(rs, lId, sConta), [&] {
        QString sMensagem;
        QString sRecibo;
        const bool bInserido =
            pDocFinanceiroInsere(frame().api(), c_.comandos, c_.diagnostico, rs, sFatura, sMensagem, &sRecibo);
        if (!bInserido && sRecibo.isEmpty()) {
            // Refused: no receipt, the transfer stays pending.
            pDiagnosticoAdd(lLinha, estado::Erro, QStringLiteral("ID=") + sId + u' ' + sMensagem);
            return;
        }
        try {
            pMovBancarioMarcar(lId, sRecibo);
        } catch (...) {
            // The run ends here; the message must still tell that the host holds
            // the receipt of this pending transfer. The next run marks it.
            const AutomationError erro = currentError();
            throw AutomationError(
                erro.number(),
                erro.description() + QStringLiteral(". Foi gerado recibo ") + sRecibo + QStringLiteral(" ID=") + sId,
                erro.source());
        }
        if (bInserido) {
            pDiagnosticoAdd(lLinha, estado::OK, QStringLiteral("ID=") + sId + u' ' + sMensagem);
        } else {
            // Stored without its accounting entry: marked, so that no run makes a
            // second receipt, and the row asks for the entry to be made by hand.
            pDiagnosticoAdd(
                lLinha, estado::Erro,
                QStringLiteral("ID=") + sId + u' ' + sMensagem +
                    QStringLiteral(". O recibo ficou sem lançamento contabilístico: complete-o no Tumo Vesk."));
        }
    });
}

QString ImportacaoMovBancarios::pCampoInvalido(ado::Recordset& rs) const {
    if (!tryIgnoringError([&] {
            const Variant v = rs.value(QStringLiteral("ID"));
            if (!v.isNull()) (void)CLng(v);
        }))
        return QStringLiteral("ID");
    if (!tryIgnoringError([&] { (void)CCur(rs.value(QStringLiteral("Valor"))); })) return QStringLiteral("Valor");
    if (!tryIgnoringError([&] { (void)CDate(rs.value(QStringLiteral("Data"))); })) return QStringLiteral("Data");
    if (QString sCampo = pTextoInvalido(rs); !sCampo.isEmpty()) return sCampo;
    if (!pFaturaReferenciaInvalida(textoOuVazio(rs.value(QStringLiteral("Fatura")))).isEmpty())
        return QStringLiteral("Fatura");
    return {};
}

DocumentoPendente ImportacaoMovBancarios::pPendente(ado::Recordset& rs, std::int32_t lId, const QString& sConta) const {
    return {.tipoDocumento = {},
            .agencia = CStr(frame().parameters().value(QStringLiteral("BDNOME"))),
            .conta = sConta,
            .referencia = {},
            .ids = {lId},
            .linhas = {},
            .valor = CCur(rs.value(QStringLiteral("Valor"))).toString(),
            .data = formatDate(CDate(rs.value(QStringLiteral("Data"))).date()),
            .ultimoDocumento = pUltimoReciboGet(c_.comandos)};
}

void ImportacaoMovBancarios::pDiagnosticoAdd(std::int32_t lLinha, const QString& sEstado, const QString& sDescricao) {
    frame().log(lLinha, sEstado, sDescricao);
}

void ImportacaoMovBancarios::pMovBancarioMarcar(std::int32_t lId, const QString& sRecibo) {
    frame().source().UpdateMovBancarioComRecibo(lId, sRecibo);
}

RunFrame& ImportacaoMovBancarios::frame() const {
    if (!frame_) err::raise(err::ObjectNotSet);
    return *frame_;
}

}  // namespace tvx
