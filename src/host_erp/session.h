#pragma once
// SessaoApi of the stand-in host.
//
// Iniciar logs on with the settings file's "Api Vesk" values (Login,
// password, Empresa): the company is the one the file's "Ligação" values name
// (the host's defaults filling what is missing, as ConfigLigacao's Modo 0
// does); the logon holds when that company exists, its code is the file's
// Empresa (without regard to case) and Login / password are an active user
// of it. A missing file, an unknown user, a wrong password or another
// company answer False; a damaged company database raises its error.
#include "addin/host_api/sessao_api.h"

namespace tvx::host_erp {

class Session : public SessaoApi {
public:
    bool Iniciar(const QString& sFicheiro) override;
    void Ligacao(std::shared_ptr<tvx::DalLigacao> oLigacao) override { ligacao_ = std::move(oLigacao); }
    std::shared_ptr<tvx::DalLigacao> Ligacao() const override { return ligacao_; }
    // Logs off and lets the connection go; answers True.
    bool Terminar() override;

    // The document objects arrive with the host's document rules; until then
    // each factory raises 429.
    std::shared_ptr<tvx::DocComercial> DocComercial() override;
    std::shared_ptr<tvx::LinhaDocComercial> LinhaDocComercial() override;
    std::shared_ptr<tvx::DocFinanceiro> DocFinanceiro() override;
    std::shared_ptr<tvx::LinhaDocFinanceiro> LinhaDocFinanceiro() override;
    std::shared_ptr<tvx::DocContabilistico> DocContabilistico() override;

    bool loggedOn() const { return loggedOn_; }
    const QString& login() const { return login_; }
    const QString& empresa() const { return empresa_; }

private:
    bool loggedOn_ = false;
    QString login_;
    QString empresa_;
    std::shared_ptr<tvx::DalLigacao> ligacao_;
};

}  // namespace tvx::host_erp
