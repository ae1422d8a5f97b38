#pragma once
// The ticket import: reads the tickets not yet invoiced (from the agency's
// database, or from a CSV file in the hidden mode), checks each one, groups
// consecutive tickets into host invoices, writes the provisional marker into
// every invoiced ticket and logs one row per rejected ticket, per refused
// invoice and per invoiced ticket. Ends with a summary message and the log
// in the diagnostics viewer.
//
// Grouping: in the agency's mode a change of billing reference or account
// closes the open invoice; in CSV mode a change of Factura does. A rejected
// ticket closes nothing. Whether an invoice is open is known from the
// invoice itself, so no key value is reserved.
//
// Markers are written once the host has stored their invoice, all of one
// invoice in one commit where the source offers it (marker_batch.h).
//
// Exactly-once: the run holds the company's and the agency file's run locks
// from start to end (a second run is refused and changes nothing); before an
// invoice is stored, its tickets are named in the in-flight record, and a run
// finding a record left behind completes it before selecting anything
// (factura_pendente.h); the first marker that cannot be written ends the run,
// so that no further invoice is stored that could not be marked.
#include "agency/origem_dados.h"
#include "diagnostics/diagnostico_log.h"
#include "platform/automation/automation_error.h"
#include "runs/documento_pendente.h"
#include "runs/run_context.h"
#include "tickets/invoice_builder.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace tvx {

class RunFrame;

// What the run uses of the entry object: a run's context, and where to read from.
struct ImportacaoMovimentosContexto {
    RunContext run;
    bool m_bCsv = false;
    QString m_sFicheiroCsv;
};

class ImportacaoMovimentos {
public:
    explicit ImportacaoMovimentos(ImportacaoMovimentosContexto contexto);
    ~ImportacaoMovimentos();

    // The whole run. Its own failures end in the message "Erro ao importar.";
    // an error while finishing (closing the source, the viewer) passes to the caller.
    void pImportarMovimentos();

    // A new source opened on `sDataSource`, and its tickets. Errors are raised
    // again under "pMovimentosGet".
    std::shared_ptr<ado::Recordset> pMovimentosGet(const QString& sDataSource, const QString& sNaoUsado);

    // Texts the user sees.
    static const QString TituloImportacao;  // "Importação de Movimentos"
    static const QString MensagemComErros;  // "Ocorreram erros na importação de movimentos."
    static const QString MensagemSucesso;   // "Importação de movimentos terminou com êxito!"
    static const QString TituloErro;        // "Importação"
    static const QString MensagemErro;      // "Erro ao importar."

private:
    // The invoice being built and what it is built of.
    struct FacturaAberta {
        DocComercialRef oDoc;
        QString sReferencia;
        QString sConta;
        QString sChave;  // Factura of a CSV ticket
        std::vector<std::int32_t> ids;
        QStringList linhas;  // the tickets' "Bilhete Nº" lines, for the in-flight record
    };

    // One row: checked, then added to the open invoice or to a new one.
    void pLinhaImportar(ado::Recordset& rs, ado::Recordset& rsParam);
    bool pFacturaNova(const QString& sReferencia, const QString& sConta, const QString& sChave) const;
    // Closes the open invoice, if any: stored and marked, or logged as refused.
    void pFacturaGravar(ado::Recordset& rs, ado::Recordset& rsParam);
    // The open invoice as the in-flight record names it (empty in CSV mode:
    // CSV tickets are never marked, so there is nothing to complete after a stop).
    DocumentoPendente pPendente(ado::Recordset& rsParam) const;
    // Writes the marker into the open invoice's tickets, all or none; raises
    // (ending the run) when one cannot be written.
    void pTicketsMarcar(const IdentidadeFactura& factura);
    void pDiagnosticoAdd(const QString& sEstado, const QString& sDescricao);
    RunFrame& frame() const;

    ImportacaoMovimentosContexto c_;
    RunFrame* frame_ = nullptr;  // while the run lasts
    FacturaAberta factura_;
    std::int32_t lLinha_ = 0;
};

}  // namespace tvx
