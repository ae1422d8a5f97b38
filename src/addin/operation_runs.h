#pragma once
// The seam between the entry object and the runs it starts: one call per
// menu operation and one for the follow-up of a saved invoice. The base
// class runs nothing; the runs override what they build.
#include <QString>
#include <cstdint>
#include <memory>

namespace tvx::addin {

class Solucao;

class OperationRuns {
public:
    virtual ~OperationRuns() = default;

    // 1000 and 1004: the entry's m_bCsv and m_sFicheiroCsv say where to read from.
    virtual void runTicketImport(Solucao&) {}
    // 1001
    virtual void runViewer(Solucao&) {}
    // 1002: the configuration editor (Solucao::pConfiguracaoEditar).
    virtual void runConfigEditor(Solucao&) {}
    // After the editor has closed, the text that stood in its "Utilizador"
    // item when "Confirmar" was pressed ("" when it was not): a receipt
    // removal command or the script keyword, run from here. An error raised
    // here ends in the editor's operation message ("Configuração").
    // `sUtilizadorAntes`: BDUSER as the editor read it, written back once
    // the command has run so that it runs only once.
    virtual void runMaintenanceCommand(Solucao&, const QString& /*sComando*/, const QString& /*sUtilizadorAntes*/) {}
    // 1003
    virtual void runTransferImport(Solucao&) {}
    // A saved sales document of the ticket import's invoice type.
    virtual void pDocComerciaActualizaOrigem(Solucao&, const QString& /*sTipoDocumento*/, std::int32_t /*lNumero*/,
                                             std::int16_t /*iSerie*/, std::int16_t /*iAno*/) {}
};

// The runs the add-in library starts.
std::shared_ptr<OperationRuns> defaultOperationRuns();

}  // namespace tvx::addin
