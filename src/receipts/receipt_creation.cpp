#include "receipts/receipt_creation.h"

#include "platform/automation/conversions.h"
#include "receipts/doc_contabilistico_insere.h"
#include "receipts/receipt_header.h"
#include "receipts/settlement_resolution.h"
#include "settings/dal_comandos.h"

namespace tvx {

namespace {

template <class T>
std::shared_ptr<T> requireNew(std::shared_ptr<T> object) {
    if (!object) err::raise(err::ObjectNotSet);
    return object;
}

// One settlement line: the key's document, paid with its signed total.
void adicionarLiquidacao(SessaoApi& api, DocFinanceiro& oDoc, const VskDocKey& key) {
    auto oLinha = requireNew(api.LinhaDocFinanceiro());
    oLinha->TipoDocumentoLiq(Variant(key.Tipo()));
    oLinha->NumeroDocumentoLiq(Variant(key.Numero()));
    oLinha->SerieDoLiquidado(Variant(key.Serie()));
    oLinha->Anol(Variant(key.Ano()));
    oLinha->ValorPago(Variant(key.Total()));
    oDoc.AdicionaLinha(oLinha);  // its answer is not examined; Validar tells
}

// The identity of a stored receipt as the host reports it.
struct IdentidadeRecibo {
    QString sTipo;
    std::int32_t lNumero = 0;
    std::int16_t iSerie = 0;
    std::int16_t iAno = 0;
    QString referencia;  // type-number-year
};

IdentidadeRecibo identidadeDe(DocFinanceiro& oDoc) {
    const auto cab = requireNew(oDoc.Cab());
    const Variant vTipo = cab->TipoDocumento();
    const Variant vNumero = cab->NumeroDocumento();
    const Variant vAno = cab->Ano();
    IdentidadeRecibo id;
    id.referencia = CStr(vTipo) + u'-' + CStr(vNumero) + u'-' + CStr(vAno);
    id.sTipo = CStr(vTipo);
    id.iSerie = CInt(cab->Serie());
    id.iAno = CInt(vAno);
    id.lNumero = CLng(vNumero);
    return id;
}

}  // namespace

QString avisoRecebimentoPorConta(const QString& sId, const QString& sRecusa) {
    return QStringLiteral("ID=") + sId + u' ' + sRecusa + QStringLiteral(". Vai criar ") +
           QStringLiteral(" Recebimento por conta.");
}

bool pDocFinanceiroInsere(SessaoApi& api, DalComandos& comandos, DiagnosticoLog& diagnostico,
                          ado::Recordset& rsTransferencia, const QString& sFatura, QString& sMensagem,
                          QString* sReciboGravado) {
    return reraiseAs(QStringLiteral("pDocFinanceiroInsere"), [&] {
        const auto keys = pDocQueTipoRecibo(comandos, sFatura, CStr(rsTransferencia.value(QStringLiteral("Account"))),
                                            CCur(rsTransferencia.value(QStringLiteral("Valor"))), sMensagem);
        if (!sMensagem.isEmpty())
            diagnostico.pDiagnosticoAdd(
                rsTransferencia.AbsolutePosition(), QString(), estado::AVISO, 0,
                avisoRecebimentoPorConta(CStr(rsTransferencia.value(QStringLiteral("ID"))), sMensagem));

        const auto rsParam = requireNew(comandos.HlpDb_ParametrosGet());
        auto oDoc = requireNew(api.DocFinanceiro());
        pReciboCabecalhoDefinir(*oDoc, rsTransferencia, *rsParam, keys->Count() > 0);
        oDoc->Validar();  // fills the host's defaults; the answer comes with the lines
        for (const auto& key : *keys) adicionarLiquidacao(api, *oDoc, *key);

        if (oDoc->Validar() != 0 || oDoc->Inserir() != 0) {
            sMensagem = oDoc->UltimaMensagem();
            return false;
        }
        const IdentidadeRecibo recibo = identidadeDe(*oDoc);
        sMensagem = recibo.referencia;
        if (sReciboGravado) *sReciboGravado = recibo.referencia;
        bool bResult = true;

        // The entry is made from the receipt as the host stored it.
        oDoc = requireNew(api.DocFinanceiro());
        Variant vTipo(recibo.sTipo), vNumero(recibo.lNumero), vSerie(recibo.iSerie), vAno(recibo.iAno);
        QString sMensagemCtb;
        // A receipt the host will not read back gets no entry made from nothing.
        if (oDoc->Ler(vTipo, vNumero, vSerie, vAno) != 0) {
            sMensagem += QStringLiteral(" (") + oDoc->UltimaMensagem() + u')';
            bResult = false;
        } else if (!pDocContabilisticoInsere(api, oDoc, ModuloFinanceiro, sMensagemCtb)) {
            sMensagem += sMensagemCtb;  // the receipt stays in the host
            bResult = false;
        }
        return bResult;
    });
}

}  // namespace tvx
