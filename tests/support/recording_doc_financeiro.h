#pragma once
// A financial document (a receipt) that journals every method call
// ("F1.AdicionaLinha(L1)", "F1.Inserir") and answers from its session's
// script; Inserir gives it the script's next number.
#include "host_api/doc_financeiro.h"
#include "support/membros.h"
#include "support/recording_cab_doc_financeiro.h"

#include <memory>

namespace tvx::testing {

class RecordingFinanceSession;

class RecordingDocFinanceiro : public DocFinanceiro, public Membros {
public:
    RecordingDocFinanceiro(RecordingFinanceSession& s, const QString& nome);
    std::shared_ptr<CabDocFinanceiro> Cab() override { return cab_; }
    std::int32_t AdicionaLinha(std::shared_ptr<LinhaDocFinanceiro>& oLinha) override;
    std::int32_t Validar() override;
    std::int32_t Inserir() override;
    std::int32_t Ler(Variant& sTipoDoc, Variant& lNumero, Variant& iSerie, Variant& iAno) override;
    std::int32_t Remover() override;
    QString UltimaMensagem() override;

private:
    RecordingFinanceSession& s_;
    std::shared_ptr<RecordingCabDocFinanceiro> cab_;
};

}  // namespace tvx::testing
