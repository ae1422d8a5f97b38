#pragma once
// A commercial document's header that journals every member set.
#include "host_api/doc_comercial.h"
#include "support/membros.h"

namespace tvx::testing {

class RecordingCabDocComercial : public CabDocComercial, public Membros {
public:
    using Membros::Membros;
    TVX_RECORDED_MEMBER(TipoDocumento)
    TVX_RECORDED_MEMBER(Sector)
    TVX_RECORDED_MEMBER(Serie)
    TVX_RECORDED_MEMBER(Terceiro)
    TVX_RECORDED_MEMBER(TipoPreco)
    TVX_RECORDED_MEMBER(Data)
    TVX_RECORDED_MEMBER(NossoNoDocumento)
    TVX_RECORDED_MEMBER(Moeda)
    TVX_RECORDED_MEMBER(IvaIncluido)
    TVX_RECORDED_MEMBER(DataVencimento)
    TVX_RECORDED_MEMBER(DataCarga)
    TVX_RECORDED_MEMBER(HoraCarga)
    TVX_RECORDED_MEMBER(Processo)
    TVX_RECORDED_MEMBER(VossoNoDocumento)
    TVX_RECORDED_MEMBER(Ano)
};

}  // namespace tvx::testing
