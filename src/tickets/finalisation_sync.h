#pragma once
// The follow-up of an imported invoice finalised later in the host's sales
// view: its tickets trade the provisional marker for the final one
// (type + "-" + number). The tickets are found by the invoice's billing
// reference (VossoNoDocumento) and customer (Terceiro), which the import put
// into its header.
#include "agency/origem_dados.h"
#include "host_api/sessao_api.h"

#include <QString>
#include <cstdint>

namespace tvx {

// Reads the saved document; when it is final (signed series, a type subject
// to certification, no longer in preparation) rewrites its tickets' markers
// through `origem`. Errors are raised again under "pDocComerciaActualizaOrigem".
void pDocComerciaActualizaOrigem(SessaoApi* api, OrigemDados* origem, const QString& sTipoDocumento,
                                 std::int32_t lNumero, std::int16_t iSerie, std::int16_t iAno);

}  // namespace tvx
