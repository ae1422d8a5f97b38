#pragma once
// Shared helpers of the record-set tests: the diagnostics log layout and error capture.
#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"

#include <cstdint>
#include <memory>

namespace tvx::ado::testing {

// The number of the error `body` raises, 0 when it raises none.
template <class F>
std::int32_t errorOf(F&& body) {
    try {
        body();
    } catch (const AutomationError& e) {
        return e.number();
    }
    return 0;
}

// The log layout: Linha with default attributes, the other four nullable.
inline std::shared_ptr<Recordset> makeLog(int otherAttributes = adFldIsNullable | adFldMayBeNull) {
    auto rs = std::make_shared<Recordset>();
    rs->Fields().Append("Linha", adInteger, 0, adFldUnspecified);
    rs->Fields().Append("Num.Cliente", adVarChar, 15, otherAttributes);
    rs->Fields().Append("Estado", adVarChar, 15, otherAttributes);
    rs->Fields().Append("Documento", adInteger, 32, otherAttributes);
    rs->Fields().Append(QStringLiteral("Descrição"), adVarChar, 255, otherAttributes);
    rs->Open();
    return rs;
}

// One row; a document of 0 is stored as Null.
inline void addRow(Recordset& rs, int linha, const QString& cliente, const QString& estado, int documento,
                   const QString& descricao) {
    rs.AddNew();
    rs.setValue("Linha", linha);
    rs.setValue("Num.Cliente", cliente);
    rs.setValue("Estado", estado);
    rs.setValue("Documento", documento == 0 ? Variant::null() : Variant(documento));
    rs.setValue(QStringLiteral("Descrição"), descricao);
    rs.Update();
}

}  // namespace tvx::ado::testing
