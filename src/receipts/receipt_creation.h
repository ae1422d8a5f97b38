#pragma once
// The host receipt of one bank transfer, and its accounting entry. The
// invoices its Fatura text names (settlement resolution) give an ordinary
// receipt with one settlement line each; none give an on-account receipt
// for the whole amount, preceded by an "AVISO" row in the log when a
// reference was refused.
#include "diagnostics/diagnostico_log.h"
#include "host_api/sessao_api.h"
#include "platform/ado/recordset.h"

#include <QString>

namespace tvx {

class DalComandos;

// `rsTransferencia` is on the transfer's row. True when the receipt and its
// accounting entry are both in the host; sMensagem is then the receipt's
// reference, type-number-year ("RE-12-2024"). False: the host refused the
// receipt (sMensagem is its reason, no receipt), or the receipt is stored
// but its entry was refused (sMensagem is the reference followed directly
// by the entry's reason). Whenever the receipt was stored, `sReciboGravado`
// (when given) receives its reference, so that a caller can tell the two
// False cases apart. Errors are raised again under "pDocFinanceiroInsere".
bool pDocFinanceiroInsere(SessaoApi& api, DalComandos& comandos, DiagnosticoLog& diagnostico,
                          ado::Recordset& rsTransferencia, const QString& sFatura, QString& sMensagem,
                          QString* sReciboGravado = nullptr);

// The description of the "AVISO" row of a refused reference.
QString avisoRecebimentoPorConta(const QString& sId, const QString& sRecusa);

}  // namespace tvx
