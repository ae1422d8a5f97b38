#pragma once
// Opening and closing one host invoice of the ticket import: the header from
// the parameters row and the group's first ticket; at the close the
// exemption line, validation, insertion and, when the parameters ask for it,
// finalisation. A refusal by the host is a False result with the host's
// message, not an error.
#include "tickets/invoice_marker.h"
#include "tickets/ticket_lines.h"

namespace tvx {

class DalComandos;

// A new invoice in `oDoc`, its header filled; `rs` is on the group's first
// ticket, `sCliente` its account. In CSV mode the date and the number come
// from the ticket (DataFacturacao, the second "/" part of Factura). Errors are
// raised again under "pImportarDocComercialNew".
void pImportarDocComercialNew(SessaoApi& api, bool bCsv, DocComercialRef& oDoc, ado::Recordset& rs,
                              ado::Recordset& rsParam, const QString& sCliente);

// Closes and stores the invoice. True: stored, `factura` holds its identity
// and `sMensagem` the state it was left in ("Factura de Recuperação",
// "Factura em Preparação" or "Factura Nº " + its final number). False: the
// host refused; `sMensagem` holds its reason. Finalising replaces `oDoc`.
// Errors are raised again under "pImportarDocComercialSave".
bool pImportarDocComercialSave(SessaoApi& api, DalComandos& comandos, bool bCsv, DocComercialRef& oDoc,
                               ado::Recordset& rs, ado::Recordset& rsParam, IdentidadeFactura& factura,
                               QString& sMensagem);

// The texts of the states a stored invoice is reported with.
inline const QString MensagemRecuperacao = QStringLiteral("Factura de Recuperação");
inline const QString MensagemPreparacao = QStringLiteral("Factura em Preparação");
inline const QString MensagemFinalizada = QStringLiteral("Factura Nº ");

}  // namespace tvx
