#include "host_erp/document_key.h"

#include "platform/automation/automation_error.h"
#include "platform/automation/conversions.h"

namespace tvx::host_erp {

QString describe(const DocumentKey& key) {
    return QStringLiteral("%1 %2/%3/%4").arg(key.tipo).arg(key.numero).arg(key.serie).arg(key.ano);
}

std::optional<DocumentKey> keyOf(const Variant& tipo, const Variant& numero, const Variant& serie, const Variant& ano) {
    try {
        DocumentKey key{CStr(tipo), CLng(numero), CInt(serie), CInt(ano)};
        if (key.tipo.isEmpty()) return std::nullopt;
        return key;
    } catch (const AutomationError&) {
        return std::nullopt;
    }
}

}  // namespace tvx::host_erp
