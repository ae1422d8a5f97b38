#include "runs/field_values.h"

#include "platform/automation/automation_error.h"
#include "platform/automation/conversions.h"

namespace tvx {

QString textoOuVazio(const Variant& v) { return v.isNull() ? QString() : CStr(v); }

double numeroOuZero(const Variant& v) { return v.isNull() ? 0.0 : CDbl(v); }

QString textoDoValor(const Variant& v) {
    QString texto;
    if (!v.isNull()) tryIgnoringError([&] { texto = CStr(v); });
    return texto;
}

}  // namespace tvx
