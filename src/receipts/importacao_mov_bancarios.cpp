#include "receipts/importacao_mov_bancarios.h"

#include "agency/source_writes.h"
#include "platform/automation/conversions.h"
#include "platform/ui/error_box.h"
#include "receipts/receipt_creation.h"
#include "receipts/recibo_pendente.h"
#include "receipts/settlement_resolution.h"
#include "runs/cliente_valido.h"
#include "runs/field_values.h"
#include "runs/frm_progresso_import.h"
#include "runs/pendente_recuperar.h"
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
    try {
        c_.diagnostico.pDiagnosticoCreate();
        const auto rsParam = c_.comandos.HlpDb_ParametrosGet();
        if (!rsParam) err::raise(err::ObjectNotSet);
        sAgencia_ = CStr(rsParam->value(QStringLiteral("BDNOME")));
        tiposRecibo_ = {CStr(rsParam->value(QStringLiteral("RECTIPODOCUM"))),
                        CStr(rsParam->value(QStringLiteral("RPCTIPODOCUM")))};
        // One run at a time per company and per source; a refused run changes nothing.
        bloqueios_ = c_.bloqueios(1003, execucoes_sql::Coluna::Recibo);
        if (!bloqueios_->adquirir(c_.empresa, sAgencia_, c_.desktop.messages, TituloErro)) {
            bloqueios_.reset();
            c_.diagnostico.pDiagnosticoClose();
            return;
        }
        const auto rs = pMovimentosBancariosGet(sAgencia_, QString());
        if (!rs) err::raise(err::ObjectNotSet);
        if (rs->RecordCount() > 0) pLinhasImportar(*rs);
        pTerminar();
    } catch (...) {
        pErroMostrar(currentError());
    }
}

std::shared_ptr<ado::Recordset> ImportacaoMovBancarios::pMovimentosBancariosGet(const QString& sDataSource,
                                                                                const QString&) {
    return reraiseAs(QStringLiteral("pMovimentosBancariosGet"), [&] {
        c_.origem.reset();
        c_.origem = c_.novaOrigem();
        origem().ConnectionOpen(sDataSource, QString(), QString());
        // The transfers get marks: the file must take them before any receipt
        // is stored, and an interrupted run's are written first.
        if (auto* escrita = dynamic_cast<SourceWrites*>(c_.origem.get())) escrita->verificarEscrita();
        pPendenteRecuperar(sDataSource);
        return origem().GetRecordSet(TabelaTransferencias);
    });
}

void ImportacaoMovBancarios::pPendenteRecuperar(const QString& sDataSource) {
    if (!bloqueios_) return;
    tvx::pPendenteRecuperar(
        c_, *bloqueios_, sDataSource, [&](const DocumentoPendente& pendente, SourceWrites& escrita) {
            pReciboPendenteRecuperar(api(), c_.comandos, pendente, tiposRecibo_, escrita, c_.diagnostico);
        });
}

void ImportacaoMovBancarios::pLinhasImportar(ado::Recordset& rs) {
    auto janela = c_.desktop.newProgressWindow();
    ui::ProgressWindow* const pJanela = janela.get();
    progresso_ = std::make_unique<FrmProgressoImport>(std::move(janela), c_.desktop.messageLoop);
    pJanela->SetCaption(TituloProgresso);  // over the form's design-time caption
    progresso_->start();
    rs.MoveFirst();
    while (!rs.Eof()) {
        progresso_->update(rs.AbsolutePosition(), rs.RecordCount());
        pLinhaImportar(rs);
        if (bloqueios_) bloqueios_->batimento();
        rs.MoveNext();
    }
    pProgressoFechar();
}

void ImportacaoMovBancarios::pLinhaImportar(ado::Recordset& rs) {
    const std::int32_t lLinha = rs.AbsolutePosition();
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
    pPendenteRegistar(rs, lId, sConta);
    QString sMensagem;
    QString sRecibo;
    const bool bInserido = pDocFinanceiroInsere(api(), c_.comandos, c_.diagnostico, rs, sFatura, sMensagem, &sRecibo);
    if (!bInserido && sRecibo.isEmpty()) {
        // Refused: no receipt, the transfer stays pending.
        pDiagnosticoAdd(lLinha, estado::Erro, QStringLiteral("ID=") + sId + u' ' + sMensagem);
        if (bloqueios_) bloqueios_->resolvido();
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
    if (bloqueios_) bloqueios_->resolvido();
    if (bInserido) {
        pDiagnosticoAdd(lLinha, estado::OK, QStringLiteral("ID=") + sId + u' ' + sMensagem);
    } else {
        // Stored without its accounting entry: marked, so that no run makes a
        // second receipt, and the row asks for the entry to be made by hand.
        pDiagnosticoAdd(lLinha, estado::Erro,
                        QStringLiteral("ID=") + sId + u' ' + sMensagem +
                            QStringLiteral(". O recibo ficou sem lançamento contabilístico: complete-o no Tumo Vesk."));
    }
}

QString ImportacaoMovBancarios::pCampoInvalido(ado::Recordset& rs) const {
    if (!tryIgnoringError([&] {
            const Variant v = rs.value(QStringLiteral("ID"));
            if (!v.isNull()) (void)CLng(v);
        }))
        return QStringLiteral("ID");
    if (!tryIgnoringError([&] { (void)CCur(rs.value(QStringLiteral("Valor"))); })) return QStringLiteral("Valor");
    if (!tryIgnoringError([&] { (void)CDate(rs.value(QStringLiteral("Data"))); })) return QStringLiteral("Data");
    if (!pFaturaReferenciaInvalida(textoOuVazio(rs.value(QStringLiteral("Fatura")))).isEmpty())
        return QStringLiteral("Fatura");
    return {};
}

void ImportacaoMovBancarios::pPendenteRegistar(ado::Recordset& rs, std::int32_t lId, const QString& sConta) {
    if (!bloqueios_) return;
    DocumentoPendente pendente;
    pendente.agencia = sAgencia_;
    pendente.conta = sConta;
    pendente.ids = {lId};
    pendente.valor = CCur(rs.value(QStringLiteral("Valor"))).toString();
    pendente.data = formatDate(CDate(rs.value(QStringLiteral("Data"))).date());
    pendente.ultimoDocumento = pUltimoReciboGet(c_.comandos);
    bloqueios_->registar(pendente);
}

void ImportacaoMovBancarios::pDiagnosticoAdd(std::int32_t lLinha, const QString& sEstado, const QString& sDescricao) {
    // The client number stays empty and no document is named.
    c_.diagnostico.pDiagnosticoAdd(lLinha, QString(), sEstado, 0, sDescricao);
}

void ImportacaoMovBancarios::pMovBancarioMarcar(std::int32_t lId, const QString& sRecibo) {
    origem().UpdateMovBancarioComRecibo(lId, sRecibo);
}

void ImportacaoMovBancarios::pProgressoFechar() {
    if (!progresso_) return;
    progresso_->end();
    progresso_.reset();
}

void ImportacaoMovBancarios::pErroMostrar(const AutomationError& erro) {
    tryIgnoringError([&] { pProgressoFechar(); });
    progresso_.reset();
    if (bloqueios_) tryIgnoringError([&] { bloqueios_->libertar(); });
    bloqueios_.reset();
    // The log tells it too, should anyone read it before it closes.
    tryIgnoringError([&] { pDiagnosticoAdd(0, estado::Erro, MensagemErro + u' ' + erro.description()); });
    c_.diagnostico.pDiagnosticoClose();  // not shown: the run did not finish
    // The source stays open; the next run replaces it.
    ui::showError(c_.desktop.messages, erro, MensagemErro + QStringLiteral("\r\n"), ui::vbOKOnly, TituloErro);
}

void ImportacaoMovBancarios::pTerminar() {
    if (bloqueios_) bloqueios_->libertar();
    bloqueios_.reset();
    const QString sResumo = c_.diagnostico.pDiagnosticoTemErros() ? MensagemComErros : MensagemSucesso;
    c_.desktop.messages.MsgBox(sResumo, ui::vbOKOnly, TituloResumo);
    origem().ConnectionClose();
    c_.desktop.viewDiagnostico(c_.diagnostico.rsDiagnostico());
    c_.diagnostico.pDiagnosticoClose();
}

OrigemDados& ImportacaoMovBancarios::origem() const {
    if (!c_.origem) err::raise(err::ObjectNotSet);
    return *c_.origem;
}

SessaoApi& ImportacaoMovBancarios::api() const {
    if (!c_.m_Api) err::raise(err::ObjectNotSet);
    return *c_.m_Api;
}

}  // namespace tvx
