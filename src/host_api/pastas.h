#pragma once
// The platform's two folder helpers.
#include "platform/automation/variant.h"

#include <QString>

namespace tvx {

// The host's base folder.
class PastaBase : public AutomationObject {
public:
    virtual QString Pasta() = 0;
};

// Whether a folder exists ('\' and '/' both separate folders).
class PastaExiste : public AutomationObject {
public:
    virtual bool Existe(const QString& sPasta) = 0;
};

}  // namespace tvx
