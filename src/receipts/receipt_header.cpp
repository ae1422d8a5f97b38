#include "receipts/receipt_header.h"

#include "platform/automation/automation_error.h"
#include "platform/automation/conversions.h"

namespace tvx {

void pReciboCabecalhoDefinir(DocFinanceiro& oDoc, ado::Recordset& rsTransferencia, ado::Recordset& rsParam,
                             bool bComChaves) {
    const auto cab = [&oDoc]() -> CabDocFinanceiro& {
        const auto c = oDoc.Cab();
        if (!c) err::raise(err::ObjectNotSet);
        return *c;
    };
    const auto param = [&rsParam](const char* campo) { return rsParam.value(QString::fromUtf8(campo)); };
    const auto linha = [&rsTransferencia](const char* campo) {
        return rsTransferencia.value(QString::fromUtf8(campo));
    };
    const auto data = [&] { return CDate(linha("Data")).date(); };

    if (bComChaves) {
        runIgnoringErrors({
            [&] { cab().TipoDocumento(param("RECTIPODOCUM")); },
            [&] { cab().Serie(param("RECSERIE")); },
            [&] { cab().Sector(param("RECSECTOR")); },
        });
    } else {
        runIgnoringErrors({
            [&] { cab().TipoDocumento(param("RPCTIPODOCUM")); },
            [&] { cab().Serie(param("RPCSERIE")); },
            [&] { cab().Sector(param("RPCSECTOR")); },
            [&] { cab().ValorRegularizado(linha("Valor")); },
        });
    }
    runIgnoringErrors({
        [&] { cab().Data(Variant(formatDate(data()))); },
        [&] { cab().Ano(Variant(std::int16_t(data().year()))); },
        [&] { cab().Moeda(Variant(MoedaRecibo)); },
        [&] { cab().TipoTerceiro(Variant(TipoTerceiroCliente)); },
        [&] { cab().Terceiro(linha("Account")); },
        [&] { cab().ModoDePagamento(Variant(ModoPagamentoRecibo)); },
    });

    // A bank without a Conta is not the cash account: it gets its code.
    bool bSemBanco = false;
    tryIgnoringError([&] {
        const Variant conta = linha("Conta");
        bSemBanco = !conta.isNull() && CStr(conta) == ContaSemBanco;
    });
    if (bSemBanco) {
        runIgnoringErrors({
            [&] { cab().bancoEmpresa(Variant(QString())); },
            [&] { cab().AgenciaEmpresa(Variant(QString())); },
            [&] { cab().ContaBncEmpresa(Variant(QString())); },
        });
    } else {
        runIgnoringErrors({
            [&] { cab().banco(linha("Codigo")); },
            [&] { cab().CarteiraOrigem(Variant(std::int16_t(1))); },
            [&] { cab().CarteiraDestino(Variant(std::int16_t(1))); },
            [&] { cab().LigacaoCtb(Variant(VariantTrue)); },
            [&] { cab().RegimeIva(Variant(RegimeIvaRecibo)); },
        });
    }
}

}  // namespace tvx
