#pragma once
// A host session that hands out recording financial documents ("F1" ...),
// their lines ("L1" ...) and accounting entries ("C1" ...), all writing, in
// order, to the session's one journal ("F1.Cab.Serie=Long:1",
// "F1.AdicionaLinha(L1)", "C1.DocumentoFinanceiro(F2)"); they answer from the
// session's script.
#include "host_api/sessao_api.h"
#include "support/finance_script.h"

#include <QStringList>
#include <memory>

namespace tvx::testing {

class RecordingFinanceSession : public SessaoApi {
public:
    bool Iniciar(const QString&) override { return true; }
    void Ligacao(std::shared_ptr<tvx::DalLigacao>) override {}
    std::shared_ptr<tvx::DalLigacao> Ligacao() const override { return nullptr; }
    bool Terminar() override { return true; }
    std::shared_ptr<tvx::DocComercial> DocComercial() override { return nullptr; }
    std::shared_ptr<tvx::LinhaDocComercial> LinhaDocComercial() override { return nullptr; }
    std::shared_ptr<tvx::DocFinanceiro> DocFinanceiro() override;
    std::shared_ptr<tvx::LinhaDocFinanceiro> LinhaDocFinanceiro() override;
    std::shared_ptr<tvx::DocContabilistico> DocContabilistico() override;

    // Journal entries that start with `prefix`.
    QStringList entries(const QString& prefix) const;

    FinanceScript script;
    QStringList journal;
    int recibosInseridos = 0;

private:
    int docs_ = 0;
    int linhas_ = 0;
    int ctbs_ = 0;
};

}  // namespace tvx::testing
