#pragma once
// The host's folder check, as the fake host registers it: logs the folder
// asked about and answers from the host's script.
#include "host_api/pastas.h"
#include "support/fake_host.h"

namespace tvx::testing {

class FakePastaExiste : public PastaExiste {
public:
    explicit FakePastaExiste(FakeHost& h) : host_(h) {}
    bool Existe(const QString& sPasta) override {
        host_.log << QStringLiteral("PastaExiste(") + sPasta + u')';
        return host_.quorelExists;
    }

private:
    FakeHost& host_;
};

}  // namespace tvx::testing
