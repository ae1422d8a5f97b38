#pragma once
// The host's company database connection component.
#include "platform/automation/variant.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace tvx::ado {
class Recordset;
}

namespace tvx {

class DalLigacao : public AutomationObject {
public:
    // Opens the company database named by an OLE DB connection string; False
    // when there is no such company. Errors (a damaged database, a provider
    // the host does not know) are raised.
    virtual bool Abrir(const QString& sLigacao) = 0;
    virtual void Fechar() = 0;
    // Runs a query; `rs` receives a new record set, fully read, on its first
    // row when there are rows. sChave, iCursor and iOpcoes are the host's
    // (the add-in passes "", -1 and 0).
    virtual void Consultar(const QString& sChave, const QString& sSql, std::shared_ptr<ado::Recordset>& rs, int iCursor,
                           int iOpcoes) = 0;
    // Runs a statement or a script; answers the rows it changed.
    virtual std::int16_t Executar(const QString& sChave, const QString& sSql) = 0;
    // Writes the pending changes of `rs` (a record set from Consultar) and
    // hands back the record set with them accepted.
    virtual void Gravar(const QString& sChave, std::shared_ptr<ado::Recordset>& rs) = 0;
};

}  // namespace tvx
