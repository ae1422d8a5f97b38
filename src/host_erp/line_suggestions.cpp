#include "host_erp/line_suggestions.h"

#include "host_erp/commercial_document_members.h"
#include "host_erp/host_catalogue.h"

namespace tvx::host_erp {

namespace {

// Sets the member when it is still unset.
void fill(Members& m, const char* name, const Variant& value, MemberKind kind) {
    if (m.get(QLatin1String(name)).isEmpty()) m.set(QLatin1String(name), value, kind);
}

}  // namespace

void suggestLineValues(sql::Connection& db, CommercialLine& line, const SuggestionFlags& flags) {
    const QString codigo = textOf(line.Artigo());
    if (codigo.isEmpty()) return;
    const CataloguePin pin(db);
    const auto art = article(db, codigo);
    if (!art) return;
    Members& m = line.members();
    if (flags[0]) fill(m, "PrecoUnitario", art->preco.toDouble(), MemberKind::Double);
    if (flags[1]) fill(m, "Descricao", art->nome, MemberKind::Text);
    if (const auto rate = vatRate(db, art->tipoIva); flags[2] && rate) {
        fill(m, "TipoIva", std::int16_t(rate->codigo), MemberKind::Integer);
        fill(m, "TaxaIva", rate->taxa, MemberKind::Double);
    }
    if (flags[3]) fill(m, "TaxaDesconto", 0.0, MemberKind::Double);
    if (flags[4]) {
        fill(m, "Quantidade", 1.0, MemberKind::Double);
        fill(m, "QuantidadeOrigem", 1.0, MemberKind::Double);
    }
    if (flags[5]) fill(m, "Armazem", firstWarehouse(db), MemberKind::Text);
    if (flags[6] && !art->motivoIsencao.isEmpty()) fill(m, "MotivoIsencao", art->motivoIsencao, MemberKind::Text);
}

}  // namespace tvx::host_erp
