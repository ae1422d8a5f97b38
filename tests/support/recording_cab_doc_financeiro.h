#pragma once
// A financial document's header that journals every member set; the
// members the script refuses raise 380.
#include "host_api/doc_financeiro.h"
#include "support/membros.h"

namespace tvx::testing {

class RecordingCabDocFinanceiro : public CabDocFinanceiro, public Membros {
public:
    using Membros::Membros;
    TVX_RECORDED_MEMBER(TipoDocumento)
    TVX_RECORDED_MEMBER(Serie)
    TVX_RECORDED_MEMBER(Sector)
    TVX_RECORDED_MEMBER(ValorRegularizado)
    TVX_RECORDED_MEMBER(Data)
    TVX_RECORDED_MEMBER(Ano)
    TVX_RECORDED_MEMBER(Moeda)
    TVX_RECORDED_MEMBER(TipoTerceiro)
    TVX_RECORDED_MEMBER(Terceiro)
    TVX_RECORDED_MEMBER(ModoDePagamento)
    TVX_RECORDED_MEMBER(bancoEmpresa)
    TVX_RECORDED_MEMBER(AgenciaEmpresa)
    TVX_RECORDED_MEMBER(ContaBncEmpresa)
    TVX_RECORDED_MEMBER(banco)
    TVX_RECORDED_MEMBER(CarteiraOrigem)
    TVX_RECORDED_MEMBER(CarteiraDestino)
    TVX_RECORDED_MEMBER(LigacaoCtb)
    TVX_RECORDED_MEMBER(RegimeIva)
    Variant NumeroDocumento() const override { return get("NumeroDocumento"); }
};

}  // namespace tvx::testing
