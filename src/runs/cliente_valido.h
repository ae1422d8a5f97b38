#pragma once
// The customer check every run makes before a source row becomes a document.
#include <QString>

namespace tvx {

class DalComandos;

// True when `sCliente` is not empty and is a customer of the host company.
// Errors are raised again under "pClienteValido".
bool pClienteValido(DalComandos& comandos, const QString& sCliente);

}  // namespace tvx
