#pragma once
// A financial document's line (one settled document) that journals every
// member set.
#include "host_api/doc_financeiro.h"
#include "support/membros.h"

namespace tvx::testing {

class RecordingLinhaDocFinanceiro : public LinhaDocFinanceiro, public Membros {
public:
    using Membros::Membros;
    TVX_RECORDED_MEMBER(TipoDocumentoLiq)
    TVX_RECORDED_MEMBER(NumeroDocumentoLiq)
    TVX_RECORDED_MEMBER(SerieDoLiquidado)
    TVX_RECORDED_MEMBER(Anol)
    TVX_RECORDED_MEMBER(ValorPago)
};

}  // namespace tvx::testing
