#pragma once
// The company's documents as the host's windows list them, read through the
// host's own connection to the company: the sales invoices (all, or those in
// preparation, which the sales view finalises) and the receipts, newest first.
#include <memory>

namespace tvx::ado {
class Recordset;
}

namespace tvx::host_app {

class HostSession;

// Fields TPDOC, SERIE, ANO, NNUMDOC, ESTADO ("Em preparação" or
// "Finalizada"), DATA, Terceiro, NOME, VOSSONDOC, TOTDOC.
std::shared_ptr<ado::Recordset> salesInvoices(HostSession& session);
// The same fields, of the invoices in preparation only, oldest first (the
// order the sales view lists them in).
std::shared_ptr<ado::Recordset> invoicesInPreparation(HostSession& session);
// Fields TPDOC, SERIE, ANO, NNUMDOC, DATA, Terceiro, NOME (the customer's), TOTDOC.
std::shared_ptr<ado::Recordset> receipts(HostSession& session);

}  // namespace tvx::host_app
