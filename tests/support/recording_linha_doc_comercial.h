#pragma once
// A commercial document's line that journals every member set; its number
// is given when a document adds it.
#include "host_api/doc_comercial.h"
#include "support/membros.h"

namespace tvx::testing {

class RecordingLinhaDocComercial : public LinhaDocComercial, public Membros {
public:
    using Membros::Membros;
    TVX_RECORDED_MEMBER(TipoDeLinha)
    TVX_RECORDED_MEMBER(Artigo)
    TVX_RECORDED_MEMBER(Armazem)
    TVX_RECORDED_MEMBER(Descricao)
    TVX_RECORDED_MEMBER(PrecoUnitario)
    TVX_RECORDED_MEMBER(PrecoUnitarioIntroduzido)
    TVX_RECORDED_MEMBER(Quantidade)
    TVX_RECORDED_MEMBER(QuantidadeOrigem)
    TVX_RECORDED_MEMBER(TipoIva)
    TVX_RECORDED_MEMBER(TaxaIva)
    TVX_RECORDED_MEMBER(TaxaDesconto)
    TVX_RECORDED_MEMBER(MotivoIsencao)
    TVX_RECORDED_MEMBER(Ordenacao)
    Variant NumeroDaLinha() const override { return get("NumeroDaLinha"); }
};

}  // namespace tvx::testing
