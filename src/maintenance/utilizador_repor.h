#pragma once
// A maintenance command is used once. The configuration editor saves the
// command with the rest of the parameters row, in BDUSER ("Utilizador");
// left there, every later "Confirmar" (made to change another setting)
// would remove the same range again or run the script again. Just before
// the command runs, BDUSER is written back as it was before the command was
// typed, so that not even a run killed half-way is repeated.
#include <QString>

namespace tvx {

class DalComandos;

// `sComando`: the command as the editor saved it (m_sComando);
// `sUtilizadorAntes`: BDUSER as the editor read it from the database (Null
// as ""). Writes nothing when the stored BDUSER no longer holds the command
// (the save failed, or someone changed it since). A previous value that is
// itself taken for a command (even one whose parts do not convert) is written
// back as "". Errors are raised again under
// "pUtilizadorRepor".
void pUtilizadorRepor(DalComandos& comandos, const QString& sComando, const QString& sUtilizadorAntes);

}  // namespace tvx
