#pragma once
// How the ticket readers take a field value: a Null text as "", a Null
// amount as 0.
#include "platform/automation/variant.h"

#include <QString>

namespace tvx {

QString textoOuVazio(const Variant& v);
double numeroOuZero(const Variant& v);
// A value as a text for a log row ("" for Null); never raises.
QString textoDoValor(const Variant& v);

}  // namespace tvx
