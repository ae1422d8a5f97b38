#pragma once
// The process's registered automation classes: a ProgID ("Telvarix.Solucao",
// matched case-insensitively) and the factory that makes its objects, so that
// objects are created by class name as the platform does.
#include "platform/automation/variant.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace tvx::registry {

using ClassFactory = std::function<ObjectRef()>;

// Registers (or replaces) the factory of `progId`.
void registerClass(const QString& progId, ClassFactory factory);
// Removes `progId`; false when it was not registered.
bool unregisterClass(const QString& progId);
bool isRegistered(const QString& progId);
// A new object of the class; error 429 "ActiveX component can't create object"
// when the class is unknown or its factory makes nothing.
ObjectRef create(const QString& progId);
// The registered ProgIDs as they were registered, in case-insensitive order.
QStringList registeredClasses();

}  // namespace tvx::registry
