#pragma once
// The host's rules for a financial document (a receipt): what Validar checks
// and Inserir stores. checkFinancial reads the header and the lines and
// gives the document in the host's terms, or refuses.
//
// Header: an active financial type, an active series of that type, a known
// sector, a date (the year is the date's; a year given must match), the
// company's currency, counterparty type 2 (customers; the default) and an
// active customer. A receipt (category RECIBO) settles at least one
// document; an on-account receipt (RECIBO_CONTA) settles none and carries a
// positive ValorRegularizado. Lines: see settlement.h; one line per
// settled document. The total (lines plus ValorRegularizado) is not
// negative.
#include "host_erp/document_key.h"
#include "host_erp/financial_document_members.h"
#include "host_erp/host_catalogue.h"
#include "host_erp/settlement.h"

#include <QDate>
#include <memory>
#include <vector>

namespace tvx::sql {
class Connection;
}

namespace tvx::host_erp {

struct FinancialDraft {
    DocumentType tipo;
    std::int16_t serie = 0;
    std::int16_t ano = 0;
    QString sector;
    Customer cliente;
    QDate data;
    QString moeda;
    int tipoTerceiro = 2;
    QString modoPagamento;
    QString bancoEmpresa;
    QString agenciaEmpresa;
    QString contaBncEmpresa;
    QString banco;
    int carteiraOrigem = 0;
    int carteiraDestino = 0;
    bool ligacaoCtb = false;
    QString regimeIva;
    Currency valorRegularizado;
    std::vector<Settlement> linhas;
    Currency total;

    DocumentKey key(std::int32_t n) const { return {tipo.codigo, n, serie, ano}; }
};

// The counterparty type of customers.
inline constexpr int TerceiroCliente = 2;

FinancialDraft checkFinancial(sql::Connection& db, const FinancialHeader& cab,
                              const std::vector<std::shared_ptr<FinancialLine>>& linhas);

}  // namespace tvx::host_erp
