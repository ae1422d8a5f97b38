#pragma once
// The host's commercial document, its header and its lines.
#include "host_api/host_property.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace tvx {

class CabDocComercial : public AutomationObject {
public:
    TVX_HOST_PROPERTY(TipoDocumento)
    TVX_HOST_PROPERTY(Sector)
    TVX_HOST_PROPERTY(Serie)
    TVX_HOST_PROPERTY(Terceiro)
    TVX_HOST_PROPERTY(TipoPreco)
    TVX_HOST_PROPERTY(Data)
    TVX_HOST_PROPERTY(NossoNoDocumento)
    TVX_HOST_PROPERTY(Moeda)
    TVX_HOST_PROPERTY(IvaIncluido)
    TVX_HOST_PROPERTY(DataVencimento)
    TVX_HOST_PROPERTY(DataCarga)
    TVX_HOST_PROPERTY(HoraCarga)
    TVX_HOST_PROPERTY(Processo)
    TVX_HOST_PROPERTY(VossoNoDocumento)
    TVX_HOST_PROPERTY(Ano)
};

class LinhaDocComercial : public AutomationObject {
public:
    TVX_HOST_PROPERTY(TipoDeLinha)
    TVX_HOST_PROPERTY(Artigo)
    TVX_HOST_PROPERTY(Armazem)
    TVX_HOST_PROPERTY(Descricao)
    TVX_HOST_PROPERTY(PrecoUnitario)
    TVX_HOST_PROPERTY(PrecoUnitarioIntroduzido)
    TVX_HOST_PROPERTY(Quantidade)
    TVX_HOST_PROPERTY(QuantidadeOrigem)
    TVX_HOST_PROPERTY(TipoIva)
    TVX_HOST_PROPERTY(TaxaIva)
    TVX_HOST_PROPERTY(TaxaDesconto)
    TVX_HOST_PROPERTY(MotivoIsencao)
    TVX_HOST_READONLY(NumeroDaLinha)
    TVX_HOST_PROPERTY(Ordenacao)
};

// Methods answering a number answer 0 on success; on anything else
// UltimaMensagem tells why.
class DocComercial : public AutomationObject {
public:
    virtual std::shared_ptr<CabDocComercial> Cab() = 0;
    TVX_HOST_PROPERTY(Origem)
    virtual std::int32_t AdicionaLinha(std::shared_ptr<LinhaDocComercial>& oLinha) = 0;
    // The host's suggestion of a line's values from its article and the header.
    virtual void SugereValoresLin(std::shared_ptr<LinhaDocComercial>& oLinha, bool b1, bool b2, bool b3, bool b4,
                                  bool b5, bool b6, bool b7) = 0;
    virtual std::int32_t Validar() = 0;
    virtual std::int32_t Inserir() = 0;
    // Finalises a document in preparation; the arguments may come back changed (its final number).
    virtual std::int32_t Finalizar(Variant& iAno, Variant& sTipoDoc, Variant& iSerie, Variant& lNumero) = 0;
    virtual std::int32_t Ler(Variant& sTipoDoc, Variant& lNumero, Variant& iSerie, Variant& iAno) = 0;
    virtual std::int32_t Remover() = 0;
    virtual QString UltimaMensagem() = 0;
    // Booleans that may be Null.
    virtual Variant IsSerieAssinada() = 0;
    virtual Variant IsDocumentoCertificacao() = 0;
    virtual Variant EmPreparacao() = 0;
};

}  // namespace tvx
