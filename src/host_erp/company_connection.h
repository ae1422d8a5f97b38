#pragma once
// DalLigacao of the stand-in host: the company database behind the OLE DB
// connection string the add-in builds.
//
// Accepted strings name a SQL Server provider ("Provider=MSDataShape;Data
// Provider=SQLOLEDB;..." or SQLOLEDB, SQLNCLI*, MSOLEDBSQL* directly), a
// Data Source (the server; the host's default server when empty) and an
// Initial Catalog (the company database), with Integrated Security=SSPI or
// User Id / Password: the company files have no server logins, so both are
// accepted as given; a Data Source that is a PostgreSQL server address
// (company_server.h) opens the database on that server with that login
// (Integrated Security: the operating-system user). Abrir answers False when the string names no catalogue
// or the host has no such company; another provider raises 3706.
#include "host_api/dal_ligacao.h"
#include "host_api/dal_ligacao_diferida.h"
#include "host_erp/host_settings.h"

#include <memory>

namespace tvx::sql {
class Connection;
}

namespace tvx::host_erp {

class CompanyConnection : public DalLigacao, public DalLigacaoDiferida {
public:
    explicit CompanyConnection(HostSettingsRef settings);
    ~CompanyConnection() override;

    bool Abrir(const QString& sLigacao) override;
    // Closes; closing a closed connection does nothing.
    void Fechar() override;
    // iCursor and iOpcoes are accepted as given: every result is a static,
    // client-side record set read in full.
    void Consultar(const QString& sChave, const QString& sSql, std::shared_ptr<ado::Recordset>& rs, int iCursor,
                   int iOpcoes) override;
    // The rows changed, 32767 when more (the answer is a 16-bit integer, and
    // work already done is never reported as an overflow). A text of several
    // statements runs as one transaction (company_script.h).
    std::int16_t Executar(const QString& sChave, const QString& sSql) override;
    void Gravar(const QString& sChave, std::shared_ptr<ado::Recordset>& rs) override;
    // One statement, deferred as sql::Connection::ExecuteDeferred writes it;
    // probed as Executar.
    std::int16_t ExecutarDiferido(const QString& sChave, const QString& sSql,
                                  const std::vector<Variant>& valores) override;

    // The open connection, for the host's own objects (3704 when closed).
    sql::Connection& connection() const;

private:
    HostSettingsRef settings_;
    std::unique_ptr<sql::Connection> connection_;
};

}  // namespace tvx::host_erp
