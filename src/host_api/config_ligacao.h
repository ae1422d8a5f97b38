#pragma once
// The host's connection settings component.
#include "platform/automation/variant.h"

#include <QString>
#include <cstdint>

namespace tvx {

class ConfigLigacao : public AutomationObject {
public:
    // Reads the connection values of a settings file.
    virtual void Carregar(const QString& sFicheiro) = 0;
    virtual QString Servidor() const = 0;
    virtual void Servidor(const QString& value) = 0;
    virtual QString BaseDados() const = 0;
    virtual void BaseDados(const QString& value) = 0;
    virtual QString Utilizador() const = 0;
    virtual void Utilizador(const QString& value) = 0;
    virtual QString Password() const = 0;
    virtual void Password(const QString& value) = 0;
    virtual std::int32_t Modo() const = 0;
    virtual void Modo(std::int32_t value) = 0;
    // Reads the values again as Modo says; Modo 0 fills missing values with the host's defaults.
    virtual void Recarregar() = 0;
};

}  // namespace tvx
