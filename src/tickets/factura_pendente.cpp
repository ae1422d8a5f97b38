#include "tickets/factura_pendente.h"

#include "agency/source_writes.h"
#include "diagnostics/diagnostico_log.h"
#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "platform/automation/conversions.h"
#include "platform/sql/sql_quote.h"
#include "runs/consulta.h"
#include "runs/marca_nao_escrita.h"
#include "tickets/invoice_marker.h"

#include <QSet>

namespace tvx {

namespace {

QSet<QString> linhasDe(DalComandos& comandos, std::int64_t idCabecalho) {
    QSet<QString> linhas;
    const auto rs = consultar(
        comandos, QStringLiteral("SELECT DESCRICAO FROM DOCGCLIN WHERE IDCAB = %1").arg(QString::number(idCabecalho)));
    for (; rs->RecordCount() > 0 && !rs->Eof(); rs->MoveNext()) linhas.insert(CStr(rs->value(0)));
    return linhas;
}

}  // namespace

bool pFacturaPendenteProcurar(DalComandos& comandos, const DocumentoPendente& p, IdentidadeFactura& factura,
                              bool& bEmPreparacao) {
    const auto rs = consultar(
        comandos, QStringLiteral("SELECT ID, TPDOC, NNUMDOC, SERIE, ANO, EMPREPARACAO FROM "
                                 "DOCGCCAB WHERE TPDOC = %1 AND Terceiro = %2 AND VOSSONDOC = "
                                 "%3 ORDER BY ID DESC")
                      .arg(sql::sqlNQuoted(p.tipoDocumento), sql::sqlNQuoted(p.conta), sql::sqlNQuoted(p.referencia)));
    for (; rs->RecordCount() > 0 && !rs->Eof(); rs->MoveNext()) {
        const QSet<QString> linhas = linhasDe(comandos, std::int64_t(CDbl(rs->value(QStringLiteral("ID")))));
        bool todas = true;
        for (const QString& linha : p.linhas) todas = todas && linhas.contains(linha);
        if (!todas) continue;
        factura = {CStr(rs->value(QStringLiteral("TPDOC"))), CLng(rs->value(QStringLiteral("NNUMDOC"))),
                   CInt(rs->value(QStringLiteral("SERIE"))), CInt(rs->value(QStringLiteral("ANO")))};
        bEmPreparacao = CBool(rs->value(QStringLiteral("EMPREPARACAO")));
        return true;
    }
    return false;
}

void pFacturaPendenteRecuperar(DalComandos& comandos, const DocumentoPendente& p, SourceWrites& origem,
                               DiagnosticoLog& diagnostico) {
    IdentidadeFactura factura;
    bool bEmPreparacao = false;
    if (!pFacturaPendenteProcurar(comandos, p, factura, bEmPreparacao)) return;
    const QString sMarca = marcaProvisoria(factura);
    const QString sEstado = bEmPreparacao ? QStringLiteral(" (em preparação)") : QString();
    for (const std::int32_t id : p.ids) {
        const QString sRegisto = QStringLiteral("TKT Issued ID ") + QString::number(id);
        bool bEscrita = false;
        try {
            bEscrita = origem.marcarTicketSeLivre(id, sMarca);
        } catch (...) {
            // The record stays: the next run finds the invoice again.
            diagnostico.pDiagnosticoAdd(0, QString(), estado::Erro, 0,
                                        marcaFalhadaTexto(QStringLiteral("TKT Issued ID ") + idsTexto(p.ids),
                                                          factura.texto(), currentError().description()));
            throw;
        }
        if (bEscrita) {
            diagnostico.pDiagnosticoAdd(0, QString(), estado::AVISO, 0,
                                        QStringLiteral("Factura recuperada de uma importação interrompida: ") +
                                            factura.texto() + sEstado + u' ' + sRegisto);
            continue;
        }
        // Marked before the run stopped (and maybe finalised since): settled.
        const std::optional<QString> sAtual = origem.marcaDoTicket(id);
        if (sAtual == sMarca || sAtual == marcaFinal(factura.sTipoDoc, factura.lNumero)) continue;
        diagnostico.pDiagnosticoAdd(0, QString(), estado::Erro, 0,
                                    marcaNaoEscritaTexto(sRegisto, factura.texto(), sAtual));
    }
}

}  // namespace tvx
