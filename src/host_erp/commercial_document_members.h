#pragma once
// The header and the lines of the host's commercial document, as member
// holders (see host_members.h for how values are kept).
#include "host_api/doc_comercial.h"
#include "host_erp/host_members.h"

namespace tvx::host_erp {

class CommercialHeader : public CabDocComercial {
public:
    TVX_MEMBER(TipoDocumento, Text)
    TVX_MEMBER(Sector, Text)
    TVX_MEMBER(Serie, Integer)
    TVX_MEMBER(Terceiro, Text)
    TVX_MEMBER(TipoPreco, Integer)
    TVX_MEMBER(Data, Date)
    TVX_MEMBER(NossoNoDocumento, Long)
    TVX_MEMBER(Moeda, Text)
    TVX_MEMBER(IvaIncluido, Boolean)
    TVX_MEMBER(DataVencimento, Date)
    TVX_MEMBER(DataCarga, Date)
    TVX_MEMBER(HoraCarga, Text)
    TVX_MEMBER(Processo, Text)
    TVX_MEMBER(VossoNoDocumento, Text)
    TVX_MEMBER(Ano, Integer)

    Members& members() { return members_; }

private:
    Members members_;
};

// TipoDeLinha codes: 1 a normal line (an article line when it names an
// article, a text line when it does not), 2 a comment (text only).
inline constexpr int LinhaNormal = 1;
inline constexpr int LinhaComentario = 2;

class CommercialLine : public LinhaDocComercial {
public:
    TVX_MEMBER(TipoDeLinha, Integer)
    TVX_MEMBER(Artigo, Text)
    TVX_MEMBER(Armazem, Text)
    TVX_MEMBER(Descricao, Text)
    TVX_MEMBER(PrecoUnitario, Double)
    TVX_MEMBER(PrecoUnitarioIntroduzido, Double)
    TVX_MEMBER(Quantidade, Double)
    TVX_MEMBER(QuantidadeOrigem, Double)
    TVX_MEMBER(TipoIva, Integer)
    TVX_MEMBER(TaxaIva, Double)
    TVX_MEMBER(TaxaDesconto, Double)
    TVX_MEMBER(MotivoIsencao, Text)
    TVX_MEMBER(Ordenacao, Long)
    // Given by the document the line is added to (Empty before that).
    Variant NumeroDaLinha() const override { return members_.get(QStringLiteral("NumeroDaLinha")); }

    Members& members() { return members_; }
    bool numbered() const { return !NumeroDaLinha().isEmpty(); }

private:
    Members members_;
};

}  // namespace tvx::host_erp
