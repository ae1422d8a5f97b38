#pragma once
// The host's connection settings component, as the fake host registers it:
// Carregar and Recarregar take their values from the host's script.
#include "host_api/config_ligacao.h"
#include "support/fake_host_part.h"

namespace tvx::testing {

class FakeConfigLigacao : public ConfigLigacao, public FakeHostPart {
public:
    explicit FakeConfigLigacao(FakeHost& h) : FakeHostPart(h, QStringLiteral("ConfigLigacao")) {}
    void Carregar(const QString& f) override;
    QString Servidor() const override { return values_.value(0); }
    void Servidor(const QString& v) override { values_[0] = v; }
    QString BaseDados() const override { return values_.value(1); }
    void BaseDados(const QString& v) override { values_[1] = v; }
    QString Utilizador() const override { return values_.value(2); }
    void Utilizador(const QString& v) override { values_[2] = v; }
    QString Password() const override { return values_.value(3); }
    void Password(const QString& v) override { values_[3] = v; }
    std::int32_t Modo() const override { return modo_; }
    void Modo(std::int32_t v) override;
    void Recarregar() override;

private:
    QStringList values_{QString(), QString(), QString(), QString()};
    std::int32_t modo_ = 1;
};

}  // namespace tvx::testing
