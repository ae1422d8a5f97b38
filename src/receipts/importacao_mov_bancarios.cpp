#include "receipts/importacao_mov_bancarios.h"

#include "platform/automation/conversions.h"
#include "platform/ui/error_box.h"
#include "receipts/receipt_creation.h"
#include "runs/cliente_valido.h"
#include "runs/field_values.h"
#include "runs/frm_progresso_import.h"
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
        const auto rs = pMovimentosBancariosGet(CStr(rsParam->value(QStringLiteral("BDNOME"))), QString());
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
        return origem().GetRecordSet(TabelaTransferencias);
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
        rs.MoveNext();
    }
    pProgressoFechar();
}

void ImportacaoMovBancarios::pLinhaImportar(ado::Recordset& rs) {
    const std::int32_t lLinha = rs.AbsolutePosition();
    const QString sFatura = textoOuVazio(rs.value(QStringLiteral("Fatura")));
    const QString sConta = textoOuVazio(rs.value(QStringLiteral("Account")));
    const Variant vId = rs.value(QStringLiteral("ID"));
    const std::int32_t lId = vId.isNull() ? 0 : CLng(vId);
    const QString sId = QString::number(lId);
    if (sConta.isEmpty()) return;  // not a customer's transfer: nothing to log

    if (!pClienteValido(c_.comandos, sConta)) {
        pDiagnosticoAdd(
            lLinha, estado::Erro,
            QStringLiteral("Linha com Cliente inválido. ID =") + sId + QStringLiteral(" Cliente =") + sConta);
        return;
    }
    QString sMensagem;
    if (!pDocFinanceiroInsere(api(), c_.comandos, c_.diagnostico, rs, sFatura, sMensagem)) {
        // Refused, or stored without its accounting entry: the transfer stays pending.
        pDiagnosticoAdd(lLinha, estado::Erro, QStringLiteral("ID=") + sId + u' ' + sMensagem);
        return;
    }
    try {
        pMovBancarioMarcar(lId, sMensagem);
    } catch (...) {
        // The run ends here; the message must still tell that the host holds
        // the receipt of this pending transfer, or the next run makes another.
        const AutomationError erro = currentError();
        throw AutomationError(
            erro.number(),
            erro.description() + QStringLiteral(". Foi gerado recibo ") + sMensagem + QStringLiteral(" ID=") + sId,
            erro.source());
    }
    pDiagnosticoAdd(lLinha, estado::OK, QStringLiteral("ID=") + sId + u' ' + sMensagem);
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
    c_.diagnostico.pDiagnosticoClose();  // not shown: the run did not finish
    // The source stays open; the next run replaces it.
    ui::showError(c_.desktop.messages, erro, MensagemErro + QStringLiteral("\r\n"), ui::vbOKOnly, TituloErro);
}

void ImportacaoMovBancarios::pTerminar() {
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
