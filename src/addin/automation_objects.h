#pragma once
// Objects reached by class name or handed over in variants, as the add-in
// holds them: typed references, with the platform's errors when an object
// is missing or is not of the kind the caller needs.
#include "platform/automation/automation_error.h"
#include "platform/automation/class_registry.h"
#include "platform/automation/variant.h"

#include <QString>
#include <memory>

namespace tvx::addin {

// "Object doesn't support this property or method": an object of another kind.
[[noreturn]] void raiseUnsupportedObject(const QString& progIdOrKind);

// A new object of the registered class `progId` (429 when none), which must be a T.
template <class T>
std::shared_ptr<T> createObject(const QString& progId) {
    auto typed = std::dynamic_pointer_cast<T>(registry::create(progId));
    if (!typed) raiseUnsupportedObject(progId);
    return typed;
}

// The object a reference holds; 91 for an empty reference.
template <class T>
T& requireObject(const std::shared_ptr<T>& ref) {
    if (!ref) err::raise(err::ObjectNotSet);
    return *ref;
}

// Empty, or an object reference holding Nothing.
bool isNothing(const Variant& v);

// The object a variant holds, as a T: 13 for a value that is not an object,
// 91 for Nothing, 438 for an object of another kind.
template <class T>
std::shared_ptr<T> objectAs(const Variant& v) {
    if (!v.isObject()) err::raise(err::TypeMismatch);
    const ObjectRef& ref = v.asObject();
    requireObject(ref);
    auto typed = std::dynamic_pointer_cast<T>(ref);
    if (!typed) raiseUnsupportedObject(QStringLiteral("Object"));
    return typed;
}

}  // namespace tvx::addin
