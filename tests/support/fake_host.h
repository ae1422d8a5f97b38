#pragma once
// A scripted stand-in for the host: while it lives, the host components the
// entry object creates by class name (and "Telvarix.Access", the agency
// source) are registered as fakes that answer from this object. Every call
// of a component is logged as "Class#n.Member(args)" so tests can check order
// and arguments.
#include "platform/automation/automation_error.h"
#include "support/parametros.h"

#include <QStringList>
#include <QTemporaryDir>
#include <map>
#include <optional>

namespace tvx::testing {

struct FakeHost {
    FakeHost();   // registers the host classes and "Telvarix.Access"
    ~FakeHost();  // unregisters them
    FakeHost(const FakeHost&) = delete;
    FakeHost& operator=(const FakeHost&) = delete;

    // Folders.
    QTemporaryDir base;
    bool quorelExists = true;
    QString quorelPath() const;  // base + "/quorel", where the settings file lies
    void writeSettingsFile(const QString& empresa, const QString& text) const;

    // Connection settings component: the first answers, and those after Recarregar.
    QStringList configValues{QStringLiteral("SRV\\INST"), QStringLiteral("EMPR01"), QString(), QString()};
    QStringList reloadedValues{QStringLiteral("SRV\\INST"), QStringLiteral("EMPR01"), QString(), QString()};

    // Answers and failures.
    bool abrirAnswer = true;
    bool iniciarAnswer = true;
    bool tableExists = true;
    std::optional<Parametros> parametros = Parametros{};  // the row the database answers; none: an empty table
    std::optional<AutomationError> executarError;
    std::optional<AutomationError> consultarError;
    std::optional<AutomationError> iniciarError;
    std::optional<AutomationError> terminarError;
    std::optional<AutomationError> accessOpenError;

    QStringList log;
    int created(const QString& kind) const;  // objects of that class made so far
    void record(const QString& kind, int id, const QString& call);

private:
    std::map<QString, int> counts_;
};

}  // namespace tvx::testing
