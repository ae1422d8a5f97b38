#pragma once
// The texts the agency source sends for the writes of SourceWrites: the
// marks of an interrupted run, made only where a row has none yet.
#include <QString>
#include <cstdint>

namespace tvx::recovery_sql {

// A write that changes nothing: it fails where the file cannot be written.
QString probeWrite();
QString markTicketIfFree(std::int32_t id, const QString& sFactura);
QString markTransferIfFree(std::int32_t id, const QString& sRecibo);
// The mark of one row (one column, MARCA; no record when there is no such row).
QString ticketMark(std::int32_t id);
QString transferMark(std::int32_t id);
// How many transfers carry `sRecibo` (one column, N).
QString countTransfersMarked(const QString& sRecibo);

}  // namespace tvx::recovery_sql
