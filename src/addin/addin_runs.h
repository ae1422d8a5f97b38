#pragma once
// The runs the add-in starts from its menu operations and view hooks.
#include "addin/operation_runs.h"

namespace tvx::addin {

// Class names under which the add-in registers its two source classes.
inline const QString AccessProgId = QStringLiteral("Telvarix.Access");
inline const QString CsvProgId = QStringLiteral("Telvarix.CSV");

class AddinRuns : public OperationRuns {
public:
    // 1000 / 1004: the ticket import, from the agency's database or the CSV file.
    void runTicketImport(Solucao& s) override;
    // 1001: the viewer outside a run ("Consulta Diagnósticos").
    void runViewer(Solucao& s) override;
    // 1002: the configuration editor.
    void runConfigEditor(Solucao& s) override;
    // 1003: the bank transfers, into receipts.
    void runTransferImport(Solucao& s) override;
    // The receipt removal or the SQL script typed into the editor, used once.
    void pManutencaoExecutar(Solucao& s, const QString& sComando, const QString& sUtilizadorAntes) override;
    void pDocComerciaActualizaOrigem(Solucao& s, const QString& sTipoDocumento, std::int32_t lNumero,
                                     std::int16_t iSerie, std::int16_t iAno) override;
};

}  // namespace tvx::addin
