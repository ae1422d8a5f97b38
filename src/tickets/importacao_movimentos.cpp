#include "tickets/importacao_movimentos.h"

#include "agency/marker_batch.h"
#include "agency/source_writes.h"
#include "platform/automation/conversions.h"
#include "platform/ui/error_box.h"
#include "runs/cliente_valido.h"
#include "runs/field_values.h"
#include "runs/frm_progresso_import.h"
#include "runs/pendente_recuperar.h"
#include "settings/dal_comandos.h"
#include "tickets/campo_invalido.h"
#include "tickets/factura_pendente.h"
#include "tickets/ids_com_motivo.h"
#include "tickets/valores_validos.h"

#include <QStringList>

namespace tvx {

const QString ImportacaoMovimentos::TituloImportacao = QStringLiteral("Importação de Movimentos");
const QString ImportacaoMovimentos::MensagemComErros = QStringLiteral("Ocorreram erros na importação de movimentos.");
const QString ImportacaoMovimentos::MensagemSucesso = QStringLiteral("Importação de movimentos terminou com êxito!");
const QString ImportacaoMovimentos::TituloErro = QStringLiteral("Importação");
const QString ImportacaoMovimentos::MensagemErro = QStringLiteral("Erro ao importar.");

namespace {

const QString TicketId = QStringLiteral("ID");
const QString TextoTicketId = QStringLiteral(" TKT Issued ID ");

QString idDoTicket(const ado::Recordset& rs) { return textoDoValor(rs.value(TicketId)); }

QString idsTexto(const std::vector<std::int32_t>& ids) {
    QStringList textos;
    for (const std::int32_t id : ids) textos << QString::number(id);
    return textos.join(QStringLiteral(", "));
}

// The operation code the run locks record.
std::int32_t operacaoDe(bool bCsv) { return bCsv ? 1004 : 1000; }

}  // namespace

ImportacaoMovimentos::ImportacaoMovimentos(ImportacaoMovimentosContexto contexto) : c_(std::move(contexto)) {}

ImportacaoMovimentos::~ImportacaoMovimentos() = default;

void ImportacaoMovimentos::pImportarMovimentos() {
    try {
        c_.diagnostico.pDiagnosticoCreate();
        const auto rsParam = c_.comandos.HlpDb_ParametrosGet();
        if (!rsParam) err::raise(err::ObjectNotSet);
        sAgencia_ = CStr(rsParam->value(QStringLiteral("BDNOME")));
        // One run at a time per company and per source; a refused run changes nothing.
        bloqueios_ = c_.bloqueios(operacaoDe(c_.m_bCsv), execucoes_sql::Coluna::Factura);
        if (!bloqueios_->adquirir(c_.empresa, c_.m_bCsv ? c_.m_sFicheiroCsv : sAgencia_, c_.desktop.messages,
                                  TituloErro)) {
            bloqueios_.reset();
            recusado_ = true;
            c_.diagnostico.pDiagnosticoClose();
            return;
        }
        const auto rs = pMovimentosGet(sAgencia_, QString());
        if (!rs) err::raise(err::ObjectNotSet);
        if (rs->RecordCount() > 0) pLinhasImportar(*rs, *rsParam);
    } catch (...) {
        pErroMostrar(currentError());
    }
    pTerminar();
}

std::shared_ptr<ado::Recordset> ImportacaoMovimentos::pMovimentosGet(const QString& sDataSource, const QString&) {
    return reraiseAs(QStringLiteral("pMovimentosGet"), [&] {
        c_.origem.reset();
        c_.origem = c_.novaOrigem();
        if (!c_.origem) err::raise(err::ObjectNotSet);
        c_.origem->ConnectionOpen(sDataSource, QString(), QString());
        // The agency's tickets get marks: the file must take them before any
        // invoice is stored, and an interrupted run's are written first.
        if (!c_.m_bCsv) {
            if (auto* escrita = dynamic_cast<SourceWrites*>(c_.origem.get())) escrita->verificarEscrita();
            pPendenteRecuperar(sDataSource);
        }
        return c_.origem->GetRecordSet(c_.m_bCsv ? c_.m_sFicheiroCsv : QStringLiteral("TKT Issued"));
    });
}

void ImportacaoMovimentos::pPendenteRecuperar(const QString& sDataSource) {
    if (!bloqueios_) return;
    tvx::pPendenteRecuperar(c_, *bloqueios_, sDataSource,
                            [&](const DocumentoPendente& pendente, SourceWrites& escrita) {
                                pFacturaPendenteRecuperar(c_.comandos, pendente, escrita, c_.diagnostico);
                            });
}

void ImportacaoMovimentos::pLinhasImportar(ado::Recordset& rs, ado::Recordset& rsParam) {
    progresso_ = std::make_unique<FrmProgressoImport>(c_.desktop.newProgressWindow(), c_.desktop.messageLoop);
    progresso_->start();
    rs.MoveFirst();
    factura_ = {};
    while (!rs.Eof()) {
        lLinha_ = rs.AbsolutePosition();
        progresso_->update(lLinha_, rs.RecordCount());
        pLinhaImportar(rs, rsParam);
        if (bloqueios_) bloqueios_->batimento();
        rs.MoveNext();
    }
    pFacturaGravar(rs, rsParam);  // the last group
    progresso_->end();
    progresso_.reset();
}

void ImportacaoMovimentos::pLinhaImportar(ado::Recordset& rs, ado::Recordset& rsParam) {
    if (const QString sCampo = pCampoInvalido(rs, c_.m_bCsv); !sCampo.isEmpty()) {
        pDiagnosticoAdd(estado::Erro, QStringLiteral("Valor inválido em ") + sCampo + QStringLiteral(" (") +
                                          textoDoValor(rs.value(sCampo)) + QStringLiteral("). TKT Issued ID =") +
                                          idDoTicket(rs));
        return;
    }
    QString sMensagem;
    if (!pValoresValidos(rs, sMensagem)) {
        pDiagnosticoAdd(estado::Erro, QStringLiteral("Valor Negativos em ") + sMensagem +
                                          QStringLiteral(". TKT Issued ID =") + idDoTicket(rs));
        return;
    }
    const QString sReferencia = textoOuVazio(rs.value(QStringLiteral("Ref_Faturacao")));
    const QString sConta = textoOuVazio(rs.value(QStringLiteral("Account")));
    const QString sChave = c_.m_bCsv ? textoOuVazio(rs.value(QStringLiteral("Factura"))) : QString();
    if (!pClienteValido(c_.comandos, sConta)) {
        pDiagnosticoAdd(estado::Erro, QStringLiteral("Linha com Cliente inválido. TKT Issued ID =") + idDoTicket(rs));
        return;
    }
    if (pFacturaNova(sReferencia, sConta, sChave)) {
        pFacturaGravar(rs, rsParam);
        factura_.sReferencia = sReferencia;
        factura_.sConta = sConta;
        factura_.sChave = sChave;
        pImportarDocComercialNew(api(), c_.m_bCsv, factura_.oDoc, rs, rsParam, sConta);
        factura_.ids.clear();
        factura_.linhas.clear();
    }
    pImportarDocComercialAddNewTicket(api(), factura_.oDoc, rs, rsParam);
    factura_.ids.push_back(CLng(rs.value(TicketId)));
    factura_.linhas << descricaoBilhete(rs.value(QStringLiteral("Codigo Companhia Aerea")),
                                        rs.value(QStringLiteral("Numero do Bilhete")));
}

bool ImportacaoMovimentos::pFacturaNova(const QString& sReferencia, const QString& sConta,
                                        const QString& sChave) const {
    if (!factura_.oDoc) return true;
    // Comparisons are exact: letter case counts.
    if (c_.m_bCsv) return sChave != factura_.sChave;
    return sReferencia != factura_.sReferencia || sConta != factura_.sConta;
}

void ImportacaoMovimentos::pFacturaGravar(ado::Recordset& rs, ado::Recordset& rsParam) {
    if (!factura_.oDoc) return;
    pPendenteRegistar(rsParam);
    IdentidadeFactura factura;
    QString sMensagem;
    if (pImportarDocComercialSave(api(), c_.comandos, c_.m_bCsv, factura_.oDoc, rs, rsParam, factura, sMensagem)) {
        pTicketsMarcar(factura);
        for (const std::int32_t id : factura_.ids)
            pDiagnosticoAdd(estado::Processado,
                            sMensagem + QLatin1Char(' ') + factura.texto() + TextoTicketId + QString::number(id));
    } else if (!factura.sTipoDoc.isEmpty()) {
        // Stored, then refused (Finalizar): the invoice stays in preparation.
        // Its tickets get its marker, so that no run invoices them again, and
        // the row asks for the invoice to be finished by hand.
        pTicketsMarcar(factura);
        pDiagnosticoAdd(
            estado::Erro,
            idsComMotivo(factura_.ids, sMensagem + QStringLiteral(". A factura ") + factura.texto() +
                                           QStringLiteral(" ficou em preparação: finalize-a no Tumo Vesk.")));
    } else {
        // Refused before it was stored: its tickets stay unmarked and a later
        // run selects them again. The row names them, and keeps the host's reason.
        pDiagnosticoAdd(estado::Erro, idsComMotivo(factura_.ids, sMensagem));
    }
    if (bloqueios_) bloqueios_->resolvido();
    factura_.oDoc.reset();
}

void ImportacaoMovimentos::pPendenteRegistar(ado::Recordset& rsParam) {
    // CSV tickets are never marked: there is nothing to complete after a stop.
    if (c_.m_bCsv || !bloqueios_) return;
    DocumentoPendente pendente;
    pendente.tipoDocumento = CStr(rsParam.value(QStringLiteral("FATTIPODOCUM")));
    pendente.agencia = sAgencia_;
    pendente.conta = factura_.sConta;
    pendente.referencia = factura_.sReferencia;
    pendente.ids = factura_.ids;
    pendente.linhas = factura_.linhas;
    bloqueios_->registar(pendente);
}

void ImportacaoMovimentos::pTicketsMarcar(const IdentidadeFactura& factura) {
    const QString sMarca = marcaProvisoria(factura);
    auto* lote = dynamic_cast<MarkerBatch*>(c_.origem.get());
    const bool emLote = lote && lote->beginMarkers();
    try {
        if (!c_.origem) err::raise(err::ObjectNotSet);
        for (const std::int32_t id : factura_.ids) c_.origem->UpdateTktIssued(id, sMarca);
        if (emLote) lote->commitMarkers();
    } catch (...) {
        if (emLote) lote->rollbackMarkers();
        // The invoice is in the host and its tickets are not marked: the run
        // stops here, and the next one finds the invoice and marks them.
        const AutomationError erro = currentError();
        throw AutomationError(erro.number(),
                              erro.description() + QStringLiteral(". Foi gerada factura ") + factura.texto() +
                                  QStringLiteral(" (TKT Issued ID ") + idsTexto(factura_.ids) +
                                  QStringLiteral("): os bilhetes ficam por marcar até à próxima importação."),
                              erro.source());
    }
}

void ImportacaoMovimentos::pErroMostrar(const AutomationError& erro) {
    if (progresso_) {
        tryIgnoringError([&] { progresso_->end(); });
        progresso_.reset();
    }
    factura_ = {};  // an invoice open at the error is neither stored nor marked
    // The log tells it too, so that the summary never speaks of success.
    tryIgnoringError([&] { pDiagnosticoAdd(estado::Erro, MensagemErro + u' ' + erro.description()); });
    ui::showError(c_.desktop.messages, erro, MensagemErro + QStringLiteral("\r\n"), ui::vbOKOnly, TituloErro);
}

void ImportacaoMovimentos::pTerminar() {
    if (recusado_) return;  // refused: nothing was done, nothing to show
    if (bloqueios_) tryIgnoringError([&] { bloqueios_->libertar(); });
    bloqueios_.reset();
    const QString sResumo = c_.diagnostico.pDiagnosticoTemErros() ? MensagemComErros : MensagemSucesso;
    c_.desktop.messages.MsgBox(sResumo, ui::vbOKOnly, TituloImportacao);
    if (c_.origem) c_.origem->ConnectionClose();  // a source that never opened has nothing to close
    c_.desktop.viewDiagnostico(c_.diagnostico.rsDiagnostico());
    c_.diagnostico.pDiagnosticoClose();
}

SessaoApi& ImportacaoMovimentos::api() const {
    if (!c_.m_Api) err::raise(err::ObjectNotSet);
    return *c_.m_Api;
}

void ImportacaoMovimentos::pDiagnosticoAdd(const QString& sEstado, const QString& sDescricao) {
    c_.diagnostico.pDiagnosticoAdd(lLinha_, QString(), sEstado, 0, sDescricao);
}

}  // namespace tvx
