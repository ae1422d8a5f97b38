#pragma once
// A commercial document that journals every member set and method call
// ("D1.Cab.Serie=Integer:1", "D1.SugereValoresLin(L3,F,T,T,F,T,F,T)") and
// answers from a script; an inserted document gets its number from the
// script's counter, a finalised one the next final number.
#include "host_api/doc_comercial.h"
#include "support/commercial_script.h"
#include "support/membros.h"
#include "support/recording_cab_doc_comercial.h"
#include "support/recording_linha_doc_comercial.h"

#include <memory>
#include <vector>

namespace tvx::testing {

class RecordingDocComercial : public DocComercial, public Membros {
public:
    RecordingDocComercial(QStringList& journal, CommercialScript& script, const QString& nome);

    std::shared_ptr<CabDocComercial> Cab() override { return cab; }
    TVX_RECORDED_MEMBER(Origem)
    std::int32_t AdicionaLinha(std::shared_ptr<LinhaDocComercial>& oLinha) override;
    void SugereValoresLin(std::shared_ptr<LinhaDocComercial>& oLinha, bool b1, bool b2, bool b3, bool b4, bool b5,
                          bool b6, bool b7) override;
    std::int32_t Validar() override;
    std::int32_t Inserir() override;
    std::int32_t Finalizar(Variant& iAno, Variant& sTipoDoc, Variant& iSerie, Variant& lNumero) override;
    std::int32_t Ler(Variant& sTipoDoc, Variant& lNumero, Variant& iSerie, Variant& iAno) override;
    std::int32_t Remover() override { return 0; }
    QString UltimaMensagem() override;
    Variant IsSerieAssinada() override { return script_.serieAssinada; }
    Variant IsDocumentoCertificacao() override { return script_.certificacao; }
    Variant EmPreparacao() override { return script_.emPreparacao; }

    std::shared_ptr<RecordingCabDocComercial> cab;
    std::vector<std::shared_ptr<RecordingLinhaDocComercial>> linhas;
    bool inserido = false;

private:
    CommercialScript& script_;
};

}  // namespace tvx::testing
