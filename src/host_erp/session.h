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
//
// The factories need a logged-on session (429 otherwise); the documents they
// give work over the connection handed to Ligacao, for as long as the
// session lasts.
#include "host_api/sessao_api.h"
#include "host_erp/host_settings.h"
#include "host_erp/session_state.h"

namespace tvx::host_erp {

class Session : public SessaoApi {
public:
    explicit Session(HostSettingsRef settings);
    bool Iniciar(const QString& sFicheiro) override;
    void Ligacao(std::shared_ptr<tvx::DalLigacao> oLigacao) override { state_->ligacao = std::move(oLigacao); }
    std::shared_ptr<tvx::DalLigacao> Ligacao() const override { return state_->ligacao; }
    // Logs off and lets the connection go; answers True.
    bool Terminar() override;

    std::shared_ptr<tvx::DocComercial> DocComercial() override;
    std::shared_ptr<tvx::LinhaDocComercial> LinhaDocComercial() override;
    std::shared_ptr<tvx::DocFinanceiro> DocFinanceiro() override;
    std::shared_ptr<tvx::LinhaDocFinanceiro> LinhaDocFinanceiro() override;
    std::shared_ptr<tvx::DocContabilistico> DocContabilistico() override;

    bool loggedOn() const { return state_->loggedOn; }
    const QString& login() const { return state_->login; }
    const QString& empresa() const { return state_->empresa; }
    // What the session's documents share with it.
    const std::shared_ptr<SessionState>& state() const { return state_; }

private:
    // The state for a new document object (429 when the session is not logged on).
    const std::shared_ptr<SessionState>& openState() const;

    HostSettingsRef settings_;
    std::shared_ptr<SessionState> state_;
};

}  // namespace tvx::host_erp
