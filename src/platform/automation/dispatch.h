#pragma once
// Late binding: an object whose members are called by name with variant
// arguments, as a host that binds late calls them. Arguments go by
// reference, so a member may write back into them.
//
// Errors: 438 for a name the object does not have, 450 for a wrong number
// of arguments; whatever the member itself raises passes through.
#include "platform/automation/automation_error.h"
#include "platform/automation/variant.h"

#include <QStringList>
#include <cstdint>
#include <vector>

namespace tvx {

namespace err {
inline AutomationError memberNotFound(const QString& source) { return make(MemberNotFound, source); }
inline AutomationError wrongArgumentCount(const QString& source) { return make(WrongArgumentCount, source); }
}  // namespace err

class Dispatch : public AutomationObject {
public:
    // The public members, in the order of the object's interface.
    virtual QStringList memberNames() const = 0;
    // Calls `name` (letter case ignored); a procedure answers Empty.
    virtual Variant Invoke(const QString& name, std::vector<Variant>& args) = 0;
};

}  // namespace tvx
