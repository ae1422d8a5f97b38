#include "tickets/finalisation_sync.h"

#include "platform/automation/automation_error.h"
#include "platform/automation/conversions.h"
#include "tickets/invoice_marker.h"

namespace tvx {

namespace {

// The host's Booleans may be Null: neither true nor false, so a Null never
// makes a document count as final.
bool verdadeiro(const Variant& v) { return !v.isNull() && !v.isEmpty() && CBool(v); }
bool falso(const Variant& v) { return !v.isNull() && !v.isEmpty() && !CBool(v); }

}  // namespace

void pDocComerciaActualizaOrigem(SessaoApi* api, OrigemDados* origem, const QString& sTipoDocumento,
                                 std::int32_t lNumero, std::int16_t iSerie, std::int16_t iAno) {
    reraiseAs(QStringLiteral("pDocComerciaActualizaOrigem"), [&] {
        if (!api) err::raise(err::ObjectNotSet);
        const auto oDoc = api->DocComercial();
        if (!oDoc) err::raise(err::ObjectNotSet);
        Variant vTipo(sTipoDocumento), vNumero(lNumero), vSerie(iSerie), vAno(iAno);
        (void)oDoc->Ler(vTipo, vNumero, vSerie, vAno);
        const bool bFinal = verdadeiro(oDoc->IsSerieAssinada()) && verdadeiro(oDoc->IsDocumentoCertificacao()) &&
                            falso(oDoc->EmPreparacao());
        if (!bFinal) return;
        const auto cab = oDoc->Cab();
        if (!cab || !origem) err::raise(err::ObjectNotSet);
        origem->UpdateTktIssuedFacturaFinalizada(CStr(cab->VossoNoDocumento()), CStr(cab->Terceiro()),
                                                 marcaFinal(sTipoDocumento, lNumero));
    });
}

}  // namespace tvx
