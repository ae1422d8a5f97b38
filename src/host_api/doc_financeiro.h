#pragma once
// The host's financial document (receipts), its header and its settlement lines.
#include "host_api/host_property.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace tvx {

class CabDocFinanceiro : public AutomationObject {
public:
    TVX_HOST_PROPERTY(TipoDocumento)
    TVX_HOST_PROPERTY(Serie)
    TVX_HOST_PROPERTY(Sector)
    TVX_HOST_PROPERTY(ValorRegularizado)
    TVX_HOST_PROPERTY(Data)
    TVX_HOST_PROPERTY(Ano)
    TVX_HOST_PROPERTY(Moeda)
    TVX_HOST_PROPERTY(TipoTerceiro)
    TVX_HOST_PROPERTY(Terceiro)
    TVX_HOST_PROPERTY(ModoDePagamento)
    TVX_HOST_PROPERTY(bancoEmpresa)
    TVX_HOST_PROPERTY(AgenciaEmpresa)
    TVX_HOST_PROPERTY(ContaBncEmpresa)
    TVX_HOST_PROPERTY(banco)
    TVX_HOST_PROPERTY(CarteiraOrigem)
    TVX_HOST_PROPERTY(CarteiraDestino)
    TVX_HOST_PROPERTY(LigacaoCtb)
    TVX_HOST_PROPERTY(RegimeIva)
    TVX_HOST_READONLY(NumeroDocumento)
};

class LinhaDocFinanceiro : public AutomationObject {
public:
    TVX_HOST_PROPERTY(TipoDocumentoLiq)
    TVX_HOST_PROPERTY(NumeroDocumentoLiq)
    TVX_HOST_PROPERTY(SerieDoLiquidado)
    TVX_HOST_PROPERTY(Anol)
    TVX_HOST_PROPERTY(ValorPago)
};

// Methods answering a number answer 0 on success; on anything else
// UltimaMensagem tells why.
class DocFinanceiro : public AutomationObject {
public:
    virtual std::shared_ptr<CabDocFinanceiro> Cab() = 0;
    virtual std::int32_t AdicionaLinha(std::shared_ptr<LinhaDocFinanceiro>& oLinha) = 0;
    virtual std::int32_t Validar() = 0;
    virtual std::int32_t Inserir() = 0;
    virtual std::int32_t Ler(Variant& sTipoDoc, Variant& lNumero, Variant& iSerie, Variant& iAno) = 0;
    virtual std::int32_t Remover() = 0;
    virtual QString UltimaMensagem() = 0;
};

}  // namespace tvx
