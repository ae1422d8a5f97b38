#pragma once
// The lines a ticket puts on its invoice: four comment lines (ticket number,
// passenger, destination, travel dates), the priced lines (fare and taxes
// for tickets paid "NCC" or "CAS", the service fee always) and a blank
// separator. Member sets, their order and the value types are the host's
// expectations and are kept exactly.
#include "host_api/doc_comercial.h"
#include "host_api/sessao_api.h"
#include "platform/ado/recordset.h"

#include <QString>
#include <memory>

namespace tvx {

using DocComercialRef = std::shared_ptr<DocComercial>;

// Adds the block of the ticket under the cursor of `rs` to `oDoc`. Errors are
// raised again under "pImportarDocComercialAddNewTicket".
void pImportarDocComercialAddNewTicket(SessaoApi& api, DocComercialRef& oDoc, ado::Recordset& rs,
                                       ado::Recordset& rsParam);

// A line carrying only a text (no article, no warehouse): the separator and
// the invoice's closing line.
void adicionarLinhaTexto(SessaoApi& api, DocComercial& oDoc, const QString& sDescricao);

// Hands `oLinha` to the document and gives it its place (Ordenacao) from the
// number the document gave it.
void adicionarLinha(DocComercial& oDoc, std::shared_ptr<LinhaDocComercial>& oLinha);

// "Bilhete Nº" + the airline code in three digits ("000" when Null) + the ticket number.
QString descricaoBilhete(const Variant& codigoCompanhia, const Variant& numeroBilhete);

}  // namespace tvx
