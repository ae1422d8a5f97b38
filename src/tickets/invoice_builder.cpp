#include "tickets/invoice_builder.h"

#include "platform/automation/automation_error.h"
#include "platform/automation/clock.h"
#include "platform/automation/conversions.h"
#include "platform/sql/sql_quote.h"
#include "runs/field_values.h"
#include "settings/dal_comandos.h"

namespace tvx {

namespace {

DocComercial& documento(const DocComercialRef& oDoc) {
    if (!oDoc) err::raise(err::ObjectNotSet);
    return *oDoc;
}

// The billing date of a CSV ticket as the host takes dates; an empty cell stays empty.
Variant dataDoBilhete(const Variant& dataFacturacao) {
    if (dataFacturacao.isNull()) return dataFacturacao;
    if (dataFacturacao.type() == VarType::String && dataFacturacao.asString().isEmpty()) return dataFacturacao;
    return Variant(formatDate(CDate(dataFacturacao).date()));
}

IdentidadeFactura identidadeDe(CabDocComercial& cab) {
    return {CStr(cab.TipoDocumento()), CLng(cab.NossoNoDocumento()), CInt(cab.Serie()), CInt(cab.Ano())};
}

// The description of the exemption reason the parameters name; "" when the host has none.
QString descricaoIsencao(DalComandos& comandos, ado::Recordset& rsParam) {
    const QString sCodigo = textoOuVazio(rsParam.value(QStringLiteral("ARTIGOISENCAOIVA")));
    const auto rs = comandos.HlpDb_MotIsencaoIvaGet(
        QStringLiteral("CODIGO='") + sql::sqlEscape(sCodigo) + QStringLiteral("' "), QString());
    if (!rs || rs->RecordCount() < 1) return {};
    return textoOuVazio(rs->value(QStringLiteral("DESCRICAO")));
}

bool finalizaFacturas(ado::Recordset& rsParam) {
    const Variant v = rsParam.value(QStringLiteral("FATFINALIZA"));
    return !v.isNull() && CDbl(v) != 0;
}

}  // namespace

void pImportarDocComercialNew(SessaoApi& api, bool bCsv, DocComercialRef& oDoc, ado::Recordset& rs,
                              ado::Recordset& rsParam, const QString& sCliente) {
    reraiseAs(QStringLiteral("pImportarDocComercialNew"), [&] {
        oDoc = api.DocComercial();
        const auto cab = documento(oDoc).Cab();
        if (!cab) err::raise(err::ObjectNotSet);
        cab->TipoDocumento(rsParam.value(QStringLiteral("FATTIPODOCUM")));
        cab->Sector(rsParam.value(QStringLiteral("FATSECTOR")));
        cab->Serie(rsParam.value(QStringLiteral("FATSERIE")));
        cab->Terceiro(Variant(sCliente));
        cab->TipoPreco(Variant(std::int16_t(0)));
        if (bCsv) {
            cab->Data(dataDoBilhete(rs.value(QStringLiteral("DataFacturacao"))));
            const QStringList partes = textoOuVazio(rs.value(QStringLiteral("Factura"))).split(QLatin1Char('/'));
            if (partes.size() >= 2) cab->NossoNoDocumento(Variant(partes.at(1)));
        } else {
            cab->Data(Variant(formatDate(clock().today())));
        }
        cab->Moeda(Variant(QStringLiteral("EUR")));
        cab->IvaIncluido(Variant(std::int16_t(0)));  // prices without VAT
        (void)oDoc->Validar();
        cab->DataVencimento(cab->Data());
        cab->DataCarga(cab->Data());
        cab->HoraCarga(Variant(formatTime(clock().now().time())));
        cab->Processo(Variant(QString()));
        // The link back to the source: the finalisation follow-up finds the tickets by it.
        cab->VossoNoDocumento(Variant(textoOuVazio(rs.value(QStringLiteral("Ref_Faturacao")))));
    });
}

bool pImportarDocComercialSave(SessaoApi& api, DalComandos& comandos, bool bCsv, DocComercialRef& oDoc,
                               ado::Recordset& /*rs*/, ado::Recordset& rsParam, IdentidadeFactura& factura,
                               QString& sMensagem) {
    return reraiseAs(QStringLiteral("pImportarDocComercialSave"), [&] {
        const QString sDescricao = descricaoIsencao(comandos, rsParam);
        adicionarLinhaTexto(api, documento(oDoc), sDescricao);
        oDoc->Origem(Variant(std::int16_t(bCsv ? 2 : 3)));

        std::int32_t lResultado = oDoc->Validar();
        if (lResultado == 0) lResultado = oDoc->Inserir();
        if (lResultado == 0) {
            factura = identidadeDe(*oDoc->Cab());
            if (bCsv) {
                sMensagem = MensagemRecuperacao;
                return true;
            }
            if (!finalizaFacturas(rsParam)) {
                sMensagem = MensagemPreparacao;
                return true;
            }
            oDoc = api.DocComercial();
            Variant vAno(factura.iAno), vTipoDoc(factura.sTipoDoc), vSerie(factura.iSerie), vNumero(factura.lNumero);
            lResultado = documento(oDoc).Finalizar(vAno, vTipoDoc, vSerie, vNumero);
            if (lResultado == 0) {
                const auto cab = oDoc->Cab();
                sMensagem = MensagemFinalizada + CStr(cab->NossoNoDocumento());
                factura = identidadeDe(*cab);
                return true;
            }
        }
        sMensagem = oDoc->UltimaMensagem();
        return false;
    });
}

}  // namespace tvx
