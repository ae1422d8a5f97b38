#pragma once
// The markers of one document in one commit, by scope: opened on a source
// that offers batches (marker_batch.h), committed by commit(), rolled back
// when the scope ends without it, so that no path leaves a batch open. On a
// source without batches each marker commits on its own and the scope does
// nothing.
#include "agency/marker_batch.h"
#include "agency/origem_dados.h"

namespace tvx {

class MarkerBatchScope {
public:
    explicit MarkerBatchScope(OrigemDados& source) {
        auto* batch = dynamic_cast<MarkerBatch*>(&source);
        if (batch && batch->beginMarkers()) batch_ = batch;
    }
    ~MarkerBatchScope() {
        if (batch_) batch_->rollbackMarkers();
    }
    MarkerBatchScope(const MarkerBatchScope&) = delete;
    MarkerBatchScope& operator=(const MarkerBatchScope&) = delete;

    // Raises when the commit fails: none of the batch's markers is then written.
    void commit() {
        if (!batch_) return;
        MarkerBatch* batch = batch_;
        batch_ = nullptr;
        try {
            batch->commitMarkers();
        } catch (...) {
            batch->rollbackMarkers();
            throw;
        }
    }

private:
    MarkerBatch* batch_ = nullptr;
};

}  // namespace tvx
