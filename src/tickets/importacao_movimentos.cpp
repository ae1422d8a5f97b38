#include "tickets/importacao_movimentos.h"

#include "agency/marker_batch.h"
#include "platform/automation/conversions.h"
#include "platform/ui/error_box.h"
#include "runs/cliente_valido.h"
#include "runs/field_values.h"
#include "runs/frm_progresso_import.h"
#include "settings/dal_comandos.h"
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

QString idDoTicket(const ado::Recordset& rs) { return CStr(rs.value(TicketId)); }

QString idsTexto(const std::vector<std::int32_t>& ids) {
    QStringList textos;
    for (const std::int32_t id : ids) textos << QString::number(id);
    return textos.join(QStringLiteral(", "));
}

}  // namespace

ImportacaoMovimentos::ImportacaoMovimentos(ImportacaoMovimentosContexto contexto) : c_(std::move(contexto)) {}

ImportacaoMovimentos::~ImportacaoMovimentos() = default;

void ImportacaoMovimentos::pImportarMovimentos() {
    try {
        c_.diagnostico.pDiagnosticoCreate();
        const auto rsParam = c_.comandos.HlpDb_ParametrosGet();
        if (!rsParam) err::raise(err::ObjectNotSet);
        const auto rs = pMovimentosGet(CStr(rsParam->value(QStringLiteral("BDNOME"))), QString());
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
        return c_.origem->GetRecordSet(c_.m_bCsv ? c_.m_sFicheiroCsv : QStringLiteral("TKT Issued"));
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
        rs.MoveNext();
    }
    pFacturaGravar(rs, rsParam);  // the last group
    progresso_->end();
    progresso_.reset();
}

void ImportacaoMovimentos::pLinhaImportar(ado::Recordset& rs, ado::Recordset& rsParam) {
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
    }
    pImportarDocComercialAddNewTicket(api(), factura_.oDoc, rs, rsParam);
    factura_.ids.push_back(CLng(rs.value(TicketId)));
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
    IdentidadeFactura factura;
    QString sMensagem;
    if (pImportarDocComercialSave(api(), c_.comandos, c_.m_bCsv, factura_.oDoc, rs, rsParam, factura, sMensagem)) {
        pTicketsMarcar(factura, sMensagem);
    } else {
        // The row names the refused invoice's own tickets; they stay unmarked
        // and a later run selects them again.
        pDiagnosticoAdd(estado::Erro,
                        QStringLiteral("TKT Issued ID ") + idsTexto(factura_.ids) + QLatin1Char(' ') + sMensagem);
    }
    factura_.oDoc.reset();
}

void ImportacaoMovimentos::pTicketsMarcar(const IdentidadeFactura& factura, const QString& sMensagem) {
    const std::vector<std::optional<AutomationError>> falhas = marcasGravar(marcaProvisoria(factura));
    for (std::size_t i = 0; i < factura_.ids.size(); ++i) {
        const QString sFactura = factura.texto() + TextoTicketId + QString::number(factura_.ids[i]);
        if (!falhas[i]) {
            pDiagnosticoAdd(estado::Processado, sMensagem + QLatin1Char(' ') + sFactura);
        } else {
            // The invoice is in the host: the ticket is logged, not left silently unmarked.
            pDiagnosticoAdd(estado::Erro, falhas[i]->description() + QStringLiteral(". ") +
                                              QStringLiteral("Foi gerada factura.") + QLatin1Char(' ') + sFactura);
        }
    }
}

std::vector<std::optional<AutomationError>> ImportacaoMovimentos::marcasGravar(const QString& sMarca) {
    // One commit for the invoice's markers when the source offers it. Should
    // that commit fail, nothing of it counts: every marker is written again
    // on its own, as without a batch, so each ticket is logged as it is.
    if (auto* lote = dynamic_cast<MarkerBatch*>(c_.origem.get()); lote && lote->beginMarkers()) {
        auto falhas = marcasGravarUmaAUma(sMarca);
        try {
            lote->commitMarkers();
            return falhas;
        } catch (...) {
            lote->rollbackMarkers();
        }
    }
    return marcasGravarUmaAUma(sMarca);
}

std::vector<std::optional<AutomationError>> ImportacaoMovimentos::marcasGravarUmaAUma(const QString& sMarca) {
    std::vector<std::optional<AutomationError>> falhas;
    for (const std::int32_t id : factura_.ids) {
        try {
            if (!c_.origem) err::raise(err::ObjectNotSet);
            c_.origem->UpdateTktIssued(id, sMarca);
            falhas.emplace_back();
        } catch (...) {
            falhas.emplace_back(currentError());
        }
    }
    return falhas;
}

void ImportacaoMovimentos::pErroMostrar(const AutomationError& erro) {
    if (progresso_) {
        tryIgnoringError([&] { progresso_->end(); });
        progresso_.reset();
    }
    factura_ = {};  // an invoice open at the error is neither stored nor marked
    ui::showError(c_.desktop.messages, erro, MensagemErro + QStringLiteral("\r\n"), ui::vbOKOnly, TituloErro);
}

void ImportacaoMovimentos::pTerminar() {
    const QString sResumo = c_.diagnostico.pDiagnosticoTemErros() ? MensagemComErros : MensagemSucesso;
    c_.desktop.messages.MsgBox(sResumo, ui::vbOKOnly, TituloImportacao);
    if (!c_.origem) err::raise(err::ObjectNotSet);
    c_.origem->ConnectionClose();
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
