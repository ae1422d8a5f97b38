#pragma once
// What the stand-in host's company connection offers beside DalLigacao: one
// statement with values bound to its `?` marks (the text, the same at every
// call, is prepared once per connection) in a commit that does not wait for
// the disk. The database keeps one write-ahead log written in order, so the
// next commit that waits (the host's commit of a document, on any of its
// connections) makes the statement durable with it, and a power cut before
// that commit loses both together. A connection without it gets the
// statement through Executar, with the values written into the text, as an
// ordinary durable commit.
#include "platform/automation/variant.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace tvx {

class DalLigacaoDiferida {
public:
    virtual ~DalLigacaoDiferida() = default;
    // The rows the statement changed, as Executar answers them.
    virtual std::int16_t ExecutarDiferido(const QString& sChave, const QString& sSql,
                                          const std::vector<Variant>& valores) = 0;
};

}  // namespace tvx
