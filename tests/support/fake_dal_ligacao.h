#pragma once
// The host's company database connection, as the fake host registers it:
// it answers the parameters table's existence check and the parameters row
// from the host's script; Executar (creating the table) makes it exist. The
// runs' lock table is always there and free. A closed connection refuses
// every call, as the host's does.
#include "host_api/dal_ligacao.h"
#include "support/fake_host_part.h"

namespace tvx::testing {

class FakeDalLigacao : public DalLigacao, public FakeHostPart {
public:
    explicit FakeDalLigacao(FakeHost& h) : FakeHostPart(h, QStringLiteral("DalLigacao")) {}
    bool Abrir(const QString& s) override;
    void Fechar() override;
    void Consultar(const QString&, const QString& sql, std::shared_ptr<ado::Recordset>& rs, int, int) override;
    std::int16_t Executar(const QString&, const QString& sql) override;
    void Gravar(const QString&, std::shared_ptr<ado::Recordset>&) override { log(QStringLiteral("Gravar")); }

private:
    // The runs' lock table, as a company where no run is in progress has it.
    static std::shared_ptr<ado::Recordset> execucoes(bool existencia);
    void failIfClosed() const;
    bool closed_ = false;
};

}  // namespace tvx::testing
