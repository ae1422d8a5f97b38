#pragma once
// An agency source that commits the markers of an invoice in batches: a
// batch's markers count only once committed, and a commit can be made to
// fail. Batch calls join the source's call log.
#include "agency/marker_batch.h"
#include "support/fake_origem.h"

#include <vector>

namespace tvx::testing {

class LotesOrigem : public FakeOrigem, public MarkerBatch {
public:
    bool beginMarkers() override {
        calls << QStringLiteral("beginMarkers");
        emLote = true;
        return true;
    }
    void commitMarkers() override {
        calls << QStringLiteral("commitMarkers");
        if (commitsFalhados-- > 0) throw AutomationError(-2147467259, QStringLiteral("Disco cheio"));
        emLote = false;
        pendentes.clear();
    }
    void rollbackMarkers() override {
        calls << QStringLiteral("rollbackMarkers");
        for (const std::int32_t id : pendentes) marcas.erase(id);
        pendentes.clear();
        emLote = false;
    }
    void UpdateTktIssued(std::int32_t Id, const QString& sFactura) override {
        FakeOrigem::UpdateTktIssued(Id, sFactura);
        if (emLote) pendentes.push_back(Id);
    }

    int commitsFalhados = 0;  // commits that fail before one succeeds
    bool emLote = false;
    std::vector<std::int32_t> pendentes;  // markers of the open batch
};

}  // namespace tvx::testing
