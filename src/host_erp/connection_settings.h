#pragma once
// ConfigLigacao of the stand-in host: the "Ligação" values of a settings file
// (keys Servidor, BaseDados, User, PassWord).
//
// Modo 1 (the initial value): Recarregar reads the file again. Modo 0:
// Recarregar reads it again and fills the missing values with the host's
// defaults: the server with the host's default server, the database with the
// company of the file's "Api Vesk" section (its "Empresa"). User and password
// are never invented: empty means Windows authentication.
#include "host_api/config_ligacao.h"
#include "host_erp/host_settings.h"

namespace tvx::host_erp {

class ConnectionSettings : public ConfigLigacao {
public:
    explicit ConnectionSettings(HostSettingsRef settings) : settings_(std::move(settings)) {}
    void Carregar(const QString& sFicheiro) override;
    QString Servidor() const override { return servidor_; }
    void Servidor(const QString& value) override { servidor_ = value; }
    QString BaseDados() const override { return baseDados_; }
    void BaseDados(const QString& value) override { baseDados_ = value; }
    QString Utilizador() const override { return utilizador_; }
    void Utilizador(const QString& value) override { utilizador_ = value; }
    QString Password() const override { return password_; }
    void Password(const QString& value) override { password_ = value; }
    std::int32_t Modo() const override { return modo_; }
    void Modo(std::int32_t value) override { modo_ = value; }
    void Recarregar() override;

private:
    HostSettingsRef settings_;
    QString ficheiro_;
    QString servidor_;
    QString baseDados_;
    QString utilizador_;
    QString password_;
    std::int32_t modo_ = 1;
};

}  // namespace tvx::host_erp
