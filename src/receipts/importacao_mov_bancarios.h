#pragma once
// The bank transfer import: reads the customers' transfers not imported yet
// from the agency's database, makes a host receipt for each one whose
// customer is valid, marks each transfer that got its receipt with the
// receipt's reference, logs every transfer (transfers without an account
// excepted) and ends with a summary message and the log in the viewer.
//
// An error anywhere ends the run at once: the log is closed without being
// shown and the message "Erro ao importar." tells why. Transfers handled
// before it keep their receipts and marks.
//
// Exactly-once: the run holds the company's and the agency file's run locks;
// before a receipt is stored the transfer is named in the in-flight record,
// and a run finding a record left behind completes it first
// (recibo_pendente.h). A transfer whose values do not convert is logged and
// left pending; a receipt stored without its accounting entry still gets its
// transfer marked, with an "Erro" row asking to complete it by hand.
#include "agency/origem_dados.h"
#include "diagnostics/diagnostico_log.h"
#include "host_api/sessao_api.h"
#include "platform/automation/automation_error.h"
#include "runs/documento_pendente.h"
#include "runs/run_context.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>

namespace tvx {

class RunFrame;

// What the run uses of the entry object.
using ImportacaoMovBancariosContexto = RunContext;

class ImportacaoMovBancarios {
public:
    explicit ImportacaoMovBancarios(ImportacaoMovBancariosContexto contexto);
    ~ImportacaoMovBancarios();

    // The whole run; no error leaves it.
    void pImportarMovBancarios();

    // A new source opened on `sDataSource`, and its pending transfers. Errors
    // are raised again under "pMovimentosBancariosGet".
    std::shared_ptr<ado::Recordset> pMovimentosBancariosGet(const QString& sDataSource, const QString& sNaoUsado);

    // Texts the user sees.
    static const QString TituloProgresso;   // "Importação de Mov. Bancários"
    static const QString TituloResumo;      // "Importação de Movimentos"
    static const QString MensagemComErros;  // "Ocorreram erros na importação de movimentos."
    static const QString MensagemSucesso;   // "Importação de movimentos terminou com êxito!"
    static const QString TituloErro;        // "Importação de Mov.Bancários"
    static const QString MensagemErro;      // "Erro ao importar."

private:
    void pLinhaImportar(ado::Recordset& rs, std::int32_t lLinha);
    // Writes the receipt's reference into the transfer.
    void pMovBancarioMarcar(std::int32_t lId, const QString& sRecibo);
    void pDiagnosticoAdd(std::int32_t lLinha, const QString& sEstado, const QString& sDescricao);
    // The first value of the transfer under the cursor that does not convert ("" when all do).
    QString pCampoInvalido(ado::Recordset& rs) const;
    // The transfer as the in-flight record names it.
    DocumentoPendente pPendente(ado::Recordset& rs, std::int32_t lId, const QString& sConta) const;
    RunFrame& frame() const;

    ImportacaoMovBancariosContexto c_;
    RunFrame* frame_ = nullptr;  // while the run lasts
    QStringList tiposRecibo_;    // RECTIPODOCUM, RPCTIPODOCUM
};

}  // namespace tvx
