#pragma once
// The host's rules for a commercial (sales) document: what Validar checks
// and Inserir stores. checkCommercial reads the header, the lines and
// Origem and gives the document in the host's terms, or refuses.
//
// Header: an active sales type (an invoice or a credit note), an active
// series of that type, a known sector, an active customer, a date (the year
// is the date's; a year given must match), the company's currency, and a
// number (NossoNoDocumento), when the caller gives one, above zero.
// Lines: at least one; TipoDeLinha 1 or 2. A line without an article is a
// text line and carries no value. An article line names an active article,
// a known warehouse (required when the article moves stock), a quantity,
// price and discount (0..100 %) that are not negative, a known VAT type
// (from the article when not given) whose rate is the one given, and, when
// that rate is 0, a known exemption reason.
#include "host_erp/commercial_amounts.h"
#include "host_erp/commercial_document_members.h"
#include "host_erp/document_key.h"
#include "host_erp/host_catalogue.h"

#include <QDate>
#include <memory>
#include <optional>
#include <vector>

namespace tvx::sql {
class Connection;
}

namespace tvx::host_erp {

struct CommercialLineDraft {
    std::int32_t numero = 0;
    std::int32_t ordenacao = 0;
    int tipoLinha = LinhaNormal;
    QString artigo;
    QString armazem;
    QString descricao;
    double quantidade = 0;
    double quantidadeOrigem = 0;
    double preco = 0;
    double precoIntroduzido = 0;
    double taxaDesconto = 0;
    int tipoIva = 0;
    double taxaIva = 0;
    QString motivoIsencao;
    LineAmounts valores;
};

struct CommercialDraft {
    DocumentType tipo;
    std::int16_t serie = 0;
    std::int16_t ano = 0;
    QString sector;
    Customer cliente;
    QDate data;
    QDate dataVencimento;  // null when not given
    QDate dataCarga;
    QString horaCarga;
    int tipoPreco = 0;
    QString moeda;
    bool ivaIncluido = false;
    QString processo;
    QString vossoNoDocumento;
    int origem = 0;
    std::optional<std::int32_t> numero;  // the number the caller gave
    std::vector<CommercialLineDraft> linhas;
    DocumentTotals totais;

    DocumentKey key(std::int32_t n) const { return {tipo.codigo, n, serie, ano}; }
};

CommercialDraft checkCommercial(sql::Connection& db, const CommercialHeader& cab,
                                const std::vector<std::shared_ptr<CommercialLine>>& linhas, const Variant& origem);

}  // namespace tvx::host_erp
