#pragma once
// The add-in's entry object as the host's commands and windows call it:
// members by name, arguments by reference.
#include "platform/automation/variant.h"

#include <QString>
#include <vector>

namespace tvx::host_app {

class AddinObject {
public:
    virtual ~AddinObject() = default;
    virtual Variant call(const QString& member, std::vector<Variant>& args) = 0;
    Variant call(const QString& member, std::vector<Variant>&& args) { return call(member, args); }
};

}  // namespace tvx::host_app
