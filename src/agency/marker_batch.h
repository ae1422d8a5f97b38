#pragma once
// A ticket source that can commit the markers of one invoice together.
//
// The run writes an invoice's markers right after the host has stored that
// invoice (durably: the company database syncs every commit). Committing the
// markers of the invoice together costs the agency file one sync per invoice
// instead of one per ticket, and loses nothing: a power cut before the commit
// leaves those tickets unmarked, as it would have left the ticket being
// marked, and never marks a ticket whose invoice is not stored.
namespace tvx {

class MarkerBatch {
public:
    virtual ~MarkerBatch() = default;
    // Opens a batch: the markers written until commitMarkers are committed
    // together. False when none can be opened (the markers are then written
    // one by one, each committed on its own).
    virtual bool beginMarkers() = 0;
    // Commits the batch; raises when the commit fails, and then none of the
    // batch's markers may be taken as written.
    virtual void commitMarkers() = 0;
    // Drops what the batch wrote; never raises.
    virtual void rollbackMarkers() = 0;
};

}  // namespace tvx
