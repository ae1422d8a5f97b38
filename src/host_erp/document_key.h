#pragma once
// The identity of a host document: type, number, series and year.
#include "platform/automation/variant.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace tvx::host_erp {

struct DocumentKey {
    QString tipo;
    std::int32_t numero = 0;
    std::int16_t serie = 0;
    std::int16_t ano = 0;
};

// "FT 12/1/2024", as the host names a document in its messages.
QString describe(const DocumentKey& key);

// The key given by the four by-reference arguments of Ler and Finalizar;
// nullopt when one of them is not a value of its kind.
std::optional<DocumentKey> keyOf(const Variant& tipo, const Variant& numero, const Variant& serie, const Variant& ano);

}  // namespace tvx::host_erp
