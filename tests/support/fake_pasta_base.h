#pragma once
// The host's base folder component, as the fake host registers it: the
// host's temporary folder.
#include "host_api/pastas.h"
#include "support/fake_host.h"

namespace tvx::testing {

class FakePastaBase : public PastaBase {
public:
    explicit FakePastaBase(FakeHost& h) : host_(h) {}
    QString Pasta() override { return host_.base.path(); }

private:
    FakeHost& host_;
};

}  // namespace tvx::testing
