#pragma once
// What every fake host component shares: the host it answers from, its
// class name and its number ("DalLigacao#2"), and its log.
#include "support/fake_host.h"

namespace tvx::testing {

struct FakeHostPart {
    FakeHost& host;
    QString kind;
    int id;
    FakeHostPart(FakeHost& h, const QString& k) : host(h), kind(k), id(h.created(k) + 1) { host.record(kind, id, {}); }
    void log(const QString& call) const { host.record(kind, id, call); }
    static void failIf(const std::optional<AutomationError>& e) {
        if (e) throw *e;
    }
};

}  // namespace tvx::testing
