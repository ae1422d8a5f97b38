#include "receipts/recibo_pendente.h"

#include "agency/source_writes.h"
#include "diagnostics/diagnostico_log.h"
#include "host_api/sessao_api.h"
#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "platform/automation/conversions.h"
#include "platform/automation/currency.h"
#include "platform/sql/sql_quote.h"
#include "receipts/doc_contabilistico_insere.h"
#include "runs/consulta.h"
#include "runs/marca_nao_escrita.h"

namespace tvx {

namespace {

struct Recibo {
    QString sTipo;
    std::int32_t lNumero = 0;
    std::int16_t iSerie = 0;
    std::int16_t iAno = 0;
    QString referencia() const { return sTipo + u'-' + QString::number(lNumero) + u'-' + QString::number(iAno); }
};

bool temLancamento(DalComandos& comandos, const Recibo& r) {
    const auto rs = consultar(comandos, QStringLiteral("SELECT COUNT(*) AS N FROM MOVCTBCAB WHERE AREA = N'FIN' AND "
                                                       "TPDOC = %1 AND SERIE = %2 AND ANO = %3 AND NNUMDOC = %4")
                                            .arg(sql::sqlNQuoted(r.sTipo), QString::number(r.iSerie),
                                                 QString::number(r.iAno), QString::number(r.lNumero)));
    return rs->RecordCount() > 0 && CLng(rs->value(0)) > 0;
}

}  // namespace

std::int64_t pUltimoReciboGet(DalComandos& comandos) {
    const auto rs = consultar(comandos, QStringLiteral("SELECT MAX(ID) AS ULTIMO FROM DOCFINCAB"));
    if (rs->RecordCount() == 0 || rs->value(0).isNull()) return 0;
    return std::int64_t(CDbl(rs->value(0)));
}

void pReciboPendenteRecuperar(SessaoApi& api, DalComandos& comandos, const DocumentoPendente& p,
                              const QStringList& sTipos, SourceWrites& origem, DiagnosticoLog& diagnostico) {
    if (p.ids.size() != 1 || sTipos.isEmpty()) return;
    QStringList tipos;
    for (const QString& t : sTipos) tipos << sql::sqlNQuoted(t);
    const auto rs = consultar(comandos, QStringLiteral("SELECT TPDOC, NNUMDOC, SERIE, ANO, DATA, TOTDOC FROM DOCFINCAB "
                                                       "WHERE ID > %1 AND Terceiro = %2 AND TPDOC IN (%3) ORDER BY ID")
                                            .arg(QString::number(p.ultimoDocumento), sql::sqlNQuoted(p.conta),
                                                 tipos.join(QStringLiteral(", "))));
    const Currency valor = Currency::parse(p.valor);
    for (; rs->RecordCount() > 0 && !rs->Eof(); rs->MoveNext()) {
        if (formatDate(CDate(rs->value(QStringLiteral("DATA"))).date()) != p.data) continue;
        if (CCur(rs->value(QStringLiteral("TOTDOC"))) != valor) continue;
        const Recibo r{CStr(rs->value(QStringLiteral("TPDOC"))), CLng(rs->value(QStringLiteral("NNUMDOC"))),
                       CInt(rs->value(QStringLiteral("SERIE"))), CInt(rs->value(QStringLiteral("ANO")))};
        if (origem.reciboMarcado(r.referencia())) continue;  // another transfer's receipt

        const QString sId = QString::number(p.ids.front());
        QString sMensagem = r.referencia();
        bool bLancamento = temLancamento(comandos, r);
        if (!bLancamento) {
            auto oDoc = api.DocFinanceiro();
            if (!oDoc) err::raise(err::ObjectNotSet);
            Variant vTipo(r.sTipo), vNumero(r.lNumero), vSerie(r.iSerie), vAno(r.iAno);
            // A receipt the host will not read gets no entry from here: it is
            // marked all the same, and the row asks for the entry by hand.
            if (oDoc->Ler(vTipo, vNumero, vSerie, vAno) == 0)
                bLancamento = pDocContabilisticoInsere(api, oDoc, ModuloFinanceiro, sMensagem);
            else
                sMensagem += QStringLiteral(" (") + oDoc->UltimaMensagem() + u')';
        }
        const QString sSemLancamento =
            bLancamento ? QString()
                        : QStringLiteral(" O recibo ficou sem lançamento contabilístico: complete-o no Tumo Vesk.");
        const QString sRegisto = QStringLiteral("ID=") + sId;
        bool bEscrita = false;
        try {
            bEscrita = origem.marcarTransferenciaSeLivre(p.ids.front(), r.referencia());
        } catch (...) {
            // The record stays: the next run finds the receipt again (and
            // gives it the entry it may still lack).
            diagnostico.pDiagnosticoAdd(0, QString(), estado::Erro, 0,
                                        marcaFalhadaTexto(sRegisto, r.referencia(), currentError().description()));
            throw;
        }
        if (!bEscrita) {
            diagnostico.pDiagnosticoAdd(
                0, QString(), estado::Erro, 0,
                marcaNaoEscritaTexto(sRegisto, r.referencia(), origem.marcaDaTransferencia(p.ids.front())) +
                    sSemLancamento);
            return;
        }
        diagnostico.pDiagnosticoAdd(0, QString(), bLancamento ? estado::AVISO : estado::Erro, 0,
                                    sRegisto + QStringLiteral(" Recibo recuperado de uma importação interrompida: ") +
                                        sMensagem + (bLancamento ? QString() : u'.' + sSemLancamento));
        return;
    }
}

}  // namespace tvx
