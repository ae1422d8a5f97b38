#include "diagnostics/diagnostico_log.h"

#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"

namespace tvx {

namespace {

constexpr qsizetype DescricaoSize = 255;

// The first `size` characters, never splitting a surrogate pair.
QString cutTo(const QString& text, qsizetype size) {
    if (text.size() <= size) return text;
    if (text.at(size - 1).isHighSurrogate()) --size;
    return text.left(size);
}

}  // namespace

ado::Recordset& DiagnosticoLog::log() const {
    if (!rsDiagnostico_) err::raise(err::ObjectNotSet);
    return *rsDiagnostico_;
}

void DiagnosticoLog::pDiagnosticoCreate() { rsDiagnostico_ = novo_(); }

void DiagnosticoLog::pDiagnosticoAdd(std::int32_t lLinha, const QString& sNumCliente, const QString& sEstado,
                                     std::int32_t lDocumento, const QString& sDescricao) {
    runIgnoringErrors({
        [&] { log().AddNew(); },
        [&] { log().setValue(QStringLiteral("Linha"), Variant(lLinha)); },
        [&] { log().setValue(QStringLiteral("Num.Cliente"), Variant(sNumCliente)); },
        [&] { log().setValue(QStringLiteral("Estado"), Variant(sEstado)); },
        [&] { log().setValue(QStringLiteral("Documento"), lDocumento == 0 ? Variant::null() : Variant(lDocumento)); },
        [&] { log().setValue(QStringLiteral("Descrição"), Variant(cutTo(sDescricao, DescricaoSize))); },
        [&] { log().Update(); },
    });
}

bool DiagnosticoLog::pDiagnosticoTemErros() {
    ado::Recordset& rs = log();
    if (rs.RecordCount() <= 0) return false;
    rs.setFilter(Variant(QStringLiteral("Estado='Erro'")));
    const bool temErros = rs.RecordCount() > 0;
    rs.setFilter(Variant(QString()));
    return temErros;
}

void DiagnosticoLog::pDiagnosticoClose() {
    runIgnoringErrors({
        [&] { log().Close(); },
        [&] { rsDiagnostico_.reset(); },
    });
}

}  // namespace tvx
