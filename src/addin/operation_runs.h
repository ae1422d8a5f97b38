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
    // 1003
    virtual void runTransferImport(Solucao&) {}
    // After 1002: the maintenance command the editor took at "Confirmar"
    // (its m_sComando), run once its window has closed, BDUSER written back
    // first to `sUtilizadorAntes`, the value the editor read from the
    // database (maintenance/utilizador_repor.h). Any other text does nothing.
    // An error raised here ends in the editor's message ("Configuração").
    virtual void pManutencaoExecutar(Solucao&, const QString& /*sComando*/, const QString& /*sUtilizadorAntes*/) {}
    // A saved sales document of the ticket import's invoice type.
    virtual void pDocComerciaActualizaOrigem(Solucao&, const QString& /*sTipoDocumento*/, std::int32_t /*lNumero*/,
                                             std::int16_t /*iSerie*/, std::int16_t /*iAno*/) {}
};

// The runs the add-in library starts.
std::shared_ptr<OperationRuns> defaultOperationRuns();

}  // namespace tvx::addin
