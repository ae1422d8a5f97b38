#pragma once
// A query the runs send to the company database on their own behalf (their
// run lock, the recovery of an interrupted run), over the database helpers'
// connection.
#include <QString>
#include <memory>

namespace tvx::ado {
class Recordset;
}

namespace tvx {

class DalComandos;

// The rows of `sql`, fully read; errors pass to the caller.
std::shared_ptr<ado::Recordset> consultar(DalComandos& comandos, const QString& sql);

}  // namespace tvx
