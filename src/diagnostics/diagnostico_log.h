#pragma once
// The diagnostics log of a run: one row per processed source row or event
// (Linha, Num.Cliente, Estado, Documento, Descrição), kept in the record set
// rsDiagnostico from the start of a run until it is closed.
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

namespace tvx::ado {
class Recordset;
}

namespace tvx {

// Status words the runs write to Estado.
namespace estado {
inline const QString OK = QStringLiteral("OK");
inline const QString Erro = QStringLiteral("Erro");
inline const QString ERRO = QStringLiteral("ERRO");
inline const QString Processado = QStringLiteral("Processado");
inline const QString AVISO = QStringLiteral("AVISO");
}  // namespace estado

class DiagnosticoLog {
public:
    using RecordsetRef = std::shared_ptr<ado::Recordset>;

    // `novo` makes each new, empty, open log (the database helpers' HlpDb_DiagnosticoCreate).
    explicit DiagnosticoLog(std::function<RecordsetRef()> novo) : novo_(std::move(novo)) {}

    // A new, empty log replaces the current one.
    void pDiagnosticoCreate();
    // Appends one row; never reports an error. Documento 0 is stored as Null;
    // a Num.Cliente or Estado too long for its field leaves that cell empty;
    // a longer Descrição is cut to the field's size so the message survives.
    void pDiagnosticoAdd(std::int32_t lLinha, const QString& sNumCliente, const QString& sEstado,
                         std::int32_t lDocumento, const QString& sDescricao);
    // True when any row has Estado "Erro" (in any letter case). Leaves the log
    // unfiltered. Errors pass to the caller.
    bool pDiagnosticoTemErros();
    // Closes the log and lets it go; harmless when there is none.
    void pDiagnosticoClose();

    // Nothing (null) outside a run.
    const RecordsetRef& rsDiagnostico() const { return rsDiagnostico_; }

private:
    ado::Recordset& log() const;  // error 91 when there is no log

    std::function<RecordsetRef()> novo_;
    RecordsetRef rsDiagnostico_;
};

}  // namespace tvx
