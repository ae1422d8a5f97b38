#pragma once
// The host's session component, as the fake host registers it: it starts,
// takes its connection and ends as the host's script says, and hands out no
// documents.
#include "host_api/sessao_api.h"
#include "support/fake_host_part.h"

namespace tvx::testing {

class FakeSessaoApi : public SessaoApi, public FakeHostPart {
public:
    explicit FakeSessaoApi(FakeHost& h) : FakeHostPart(h, QStringLiteral("SessaoApi")) {}
    bool Iniciar(const QString& f) override;
    void Ligacao(std::shared_ptr<DalLigacao> l) override;
    std::shared_ptr<DalLigacao> Ligacao() const override { return ligacao_; }
    bool Terminar() override;
    std::shared_ptr<tvx::DocComercial> DocComercial() override { return nullptr; }
    std::shared_ptr<tvx::LinhaDocComercial> LinhaDocComercial() override { return nullptr; }
    std::shared_ptr<tvx::DocFinanceiro> DocFinanceiro() override { return nullptr; }
    std::shared_ptr<tvx::LinhaDocFinanceiro> LinhaDocFinanceiro() override { return nullptr; }
    std::shared_ptr<tvx::DocContabilistico> DocContabilistico() override { return nullptr; }

private:
    std::shared_ptr<DalLigacao> ligacao_;
};

}  // namespace tvx::testing
