#include "addin/automation_objects.h"

#include "platform/automation/dispatch.h"

namespace tvx::addin {

void raiseUnsupportedObject(const QString& progIdOrKind) { throw err::memberNotFound(progIdOrKind); }

bool isNothing(const Variant& v) { return v.isEmpty() || (v.isObject() && !v.asObject()); }

}  // namespace tvx::addin
