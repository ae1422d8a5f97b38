#pragma once
// Reads a text file as the platform's text stream does: line by line, the
// line endings (CR LF or LF) dropped, each line preceded by CR LF, so
// the text starts with a line break and has none at its end; an empty file
// gives "". Bytes are Windows-1252 unless plainly Unicode (as the settings
// files). Errors: 76 "Path not found" for a missing folder, 53 "File not
// found" for a missing file, 70 "Permission denied" for one that cannot be
// read. NUL characters among the blanks that end the text are dropped; a NUL
// elsewhere raises 5 naming its line and column.
#include <QString>

namespace tvx {

void pFicheiroTextoLer(const QString& sFicheiro, QString& sTexto);

}  // namespace tvx
