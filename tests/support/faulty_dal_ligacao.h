#pragma once
// A company database connection that passes every call on to a real one,
// except those a scripted fault strikes: a query or statement whose text
// holds the fault's text, or any write (Gravar) when the fault says so.
// They raise the fault's error, for as long as the fault is set.
#include "host_api/dal_ligacao.h"
#include "platform/automation/automation_error.h"

#include <functional>
#include <memory>
#include <optional>

namespace tvx::testing {

struct FalhaLigacao {
    QString texto;        // in the SQL text; "" strikes no query
    bool gravar = false;  // strikes every write
    AutomationError erro{err::ProviderCommandError, QStringLiteral("a falha")};
};

class FaultyDalLigacao : public DalLigacao {
public:
    explicit FaultyDalLigacao(std::shared_ptr<DalLigacao> real) : real_(std::move(real)) {}

    bool Abrir(const QString& s) override { return real_->Abrir(s); }
    void Fechar() override { real_->Fechar(); }
    void Consultar(const QString& sChave, const QString& sSql, std::shared_ptr<ado::Recordset>& rs, int iCursor,
                   int iOpcoes) override;
    std::int16_t Executar(const QString& sChave, const QString& sSql) override;
    void Gravar(const QString& sChave, std::shared_ptr<ado::Recordset>& rs) override;

    std::optional<FalhaLigacao> falha;
    // Called with each statement before it runs (a test's way to act between two statements).
    std::function<void(const QString& sql)> antesDeExecutar;

private:
    void strikeIf(bool struck) const;
    bool strikes(const QString& sql) const;

    std::shared_ptr<DalLigacao> real_;
};

}  // namespace tvx::testing
