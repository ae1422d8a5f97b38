#pragma once
// The SQL script command: the file ZUNK.TXT of the "quorel" folder under
// the host's base folder, read whole and sent in one call to the company
// connection. Nothing is asked and nothing is shown on success; any error
// (the base folder, the file, the database) ends in the message
// "Erro ao Executar." with the error's description, under "Script SQL".
#include <QString>
#include <functional>

namespace tvx::ui {
class MessageBox;
}

namespace tvx {

class DalComandos;

inline const QString TituloScript = QStringLiteral("Script SQL");
inline const QString MensagemErroScript = QStringLiteral("Erro ao Executar.");

// `pastaBase` gives the base folder component's folder.
void pScriptExecutar(DalComandos& comandos, ui::MessageBox& messages, const std::function<QString()>& pastaBase);

}  // namespace tvx
