#pragma once
// The add-in's entry object as the host calls it, recording each call (the
// member, and for Operacoes its code) and running what a test gives it to
// stand for the add-in's work. For tests of the host program, which link it.
#include "platform/automation/conversions.h"
#include "telvarix-host/addin_object.h"

#include <QStringList>
#include <functional>

namespace tvx::testing {

class RecordingAddin : public host_app::AddinObject {
public:
    using AddinObject::call;
    Variant call(const QString& member, std::vector<Variant>& args) override {
        calls << (member == u"Operacoes" ? member + u' ' + CStr(args.at(1)) : member);
        if (onCall) onCall(member);
        return Variant(true);
    }

    QStringList calls;
    std::function<void(const QString& member)> onCall;
};

}  // namespace tvx::testing
