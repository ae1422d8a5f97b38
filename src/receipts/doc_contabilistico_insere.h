#pragma once
// The accounting entry of a document already stored in the host.
#include "host_api/sessao_api.h"

#include <QString>

namespace tvx {

// Module codes: the document is a commercial one ("COM") or a financial one ("FIN").
inline const QString ModuloComercial = QStringLiteral("COM");
inline const QString ModuloFinanceiro = QStringLiteral("FIN");

// Hands `oDoc` to a new accounting entry (as a commercial document for
// "COM", a financial one for "FIN", neither for any other code), validates
// and inserts it. True when both succeeded; otherwise the entry's
// UltimaMensagem is appended to sMensagem. Errors are raised again under
// "pDocContabilisticoInsere".
bool pDocContabilisticoInsere(SessaoApi& api, const ObjectRef& oDoc, const QString& sModulo, QString& sMensagem);

}  // namespace tvx
