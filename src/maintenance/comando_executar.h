#pragma once
// The entry the configuration editor calls once its window has closed, with
// the command text taken at "Confirmar" (m_sComando): a removal command runs
// the receipt removal, the script keyword the SQL script, and any other text
// does nothing. A removal command whose parts do not convert shows the
// conversion error under "Configuração" and runs nothing.
#include "maintenance/maintenance_context.h"

#include <QString>

namespace tvx {

inline const QString TituloConfiguracao = QStringLiteral("Configuração");

// True when the text was a command and it ran (or failed, or was refused by
// the run lock); no error leaves it.
bool pComandoExecutar(const QString& sComando, MaintenanceContext& contexto);

}  // namespace tvx
