#include "tickets/importacao_movimentos.h"

#include "agency/marker_batch_scope.h"
#include "platform/automation/conversions.h"
#include "runs/cliente_valido.h"
#include "runs/field_values.h"
#include "runs/run_frame.h"
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

}  // namespace

ImportacaoMovimentos::ImportacaoMovimentos(ImportacaoMovimentosContexto contexto) : c_(std::move(contexto)) {}

ImportacaoMovimentos::~ImportacaoMovimentos() = default;

void ImportacaoMovimentos::pImportarMovimentos() {
    const bool bCsv = c_.m_bCsv;
    const QString sFicheiroCsv = c_.m_sFicheiroCsv;
    RunFrame frame(c_.run, {.operation = bCsv ? 1004 : 1000,
                            .inFlightColumn = execucoes_sql::Coluna::Factura,
                            .texts = {.errorTitle = TituloErro,
                                      .errorMessage = MensagemErro,
                                      .summaryTitle = TituloImportacao,
                                      .successMessage = MensagemSucesso,
                                      .errorsMessage = MensagemComErros,
                                      .progressCaption = {}},
                            .afterError = AfterError::Finish,
                            // The CSV file is only read: it takes no lock.
                            .lockedSource = [bCsv](ado::Recordset& rsParam) {
                                return bCsv ? QString() : CStr(rsParam.value(QStringLiteral("BDNOME")));
                            }});
    frame_ = &frame;
    frame.run([&] {
        ado::Recordset& rsParam = frame.parameters();
        const auto rs = pMovimentosGet(CStr(rsParam.value(QStringLiteral("BDNOME"))), QString());
        if (!rs) err::raise(err::ObjectNotSet);
        if (rs->RecordCount() == 0) return;
        factura_ = {};
        frame.forEachRow(
            *rs,
            [&](std::int32_t lLinha) {
                lLinha_ = lLinha;
                pLinhaImportar(*rs, rsParam);
            },
            [&] { pFacturaGravar(*rs, rsParam); });  // the last group
    });
    factura_ = {};  // an invoice open at an error is neither stored nor marked
    frame_ = nullptr;
}

std::shared_ptr<ado::Recordset> ImportacaoMovimentos::pMovimentosGet(const QString& sDataSource, const QString&) {
    return reraiseAs(QStringLiteral("pMovimentosGet"), [&] {
        // The agency's tickets get marks; CSV tickets never do.
        Recovery recuperar;
        if (!c_.m_bCsv)
            recuperar = [&](const DocumentoPendente& pendente, SourceWrites& escrita) {
                pFacturaPendenteRecuperar(c_.run.comandos, pendente, escrita, c_.run.diagnostico);
            };
        OrigemDados& origem = frame().openSource(sDataSource, recuperar);
        return origem.GetRecordSet(c_.m_bCsv ? c_.m_sFicheiroCsv : QStringLiteral("TKT Issued"));
    });
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
    if (!pClienteValido(c_.run.comandos, sConta)) {
        pDiagnosticoAdd(estado::Erro, QStringLiteral("Linha com Cliente inválido. TKT Issued ID =") + idDoTicket(rs));
        return;
    }
    if (pFacturaNova(sReferencia, sConta, sChave)) {
        pFacturaGravar(rs, rsParam);
        factura_.sReferencia = sReferencia;
        factura_.sConta = sConta;
        factura_.sChave = sChave;
        pImportarDocComercialNew(frame().api(), c_.m_bCsv, factura_.oDoc, rs, rsParam, sConta);
        factura_.ids.clear();
        factura_.linhas.clear();
    }
    pImportarDocComercialAddNewTicket(frame().api(), factura_.oDoc, rs, rsParam);
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
    frame().document(pPendente(rsParam), [&] {
        IdentidadeFactura factura;
        QString sMensagem;
        if (pImportarDocComercialSave(frame().api(), c_.run.comandos, c_.m_bCsv, factura_.oDoc, rs, rsParam, factura,
                                      sMensagem)) {
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
    });
    factura_.oDoc.reset();
}

DocumentoPendente ImportacaoMovimentos::pPendente(ado::Recordset& rsParam) const {
    if (c_.m_bCsv) return {};
    return {.tipoDocumento = CStr(rsParam.value(QStringLiteral("FATTIPODOCUM"))),
            .agencia = CStr(rsParam.value(QStringLiteral("BDNOME"))),
            .conta = factura_.sConta,
            .referencia = factura_.sReferencia,
            .ids = factura_.ids,
            .linhas = factura_.linhas,
            .valor = {},
            .data = {},
            .ultimoDocumento = 0};
}

void ImportacaoMovimentos::pTicketsMarcar(const IdentidadeFactura& factura) {
    const QString sMarca = marcaProvisoria(factura);
    try {
        OrigemDados& origem = frame().source();
        // All of one invoice in one commit where the source offers it.
        MarkerBatchScope lote(origem);
        for (const std::int32_t id : factura_.ids) origem.UpdateTktIssued(id, sMarca);
        lote.commit();
    } catch (...) {
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

RunFrame& ImportacaoMovimentos::frame() const {
    if (!frame_) err::raise(err::ObjectNotSet);
    return *frame_;
}

void ImportacaoMovimentos::pDiagnosticoAdd(const QString& sEstado, const QString& sDescricao) {
    frame().log(lLinha_, sEstado, sDescricao);
}

}  // namespace tvx
