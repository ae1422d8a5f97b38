#include "receipts/settlement_resolution.h"

#include "platform/ado/recordset.h"
#include "platform/automation/control_characters.h"
#include "platform/automation/conversions.h"
#include "settings/dal_comandos.h"

#include <QStringList>
#include <optional>

namespace tvx {

namespace {

const QString Source = QStringLiteral("pDocQueTipoRecibo");

// The key of "type-number-series-year" (number, series and year converted:
// 13 or 6 when one does not), or nothing when it has not four parts or its
// type holds a control character (no document type does, and a NUL cannot
// go into the lookup's SQL).
struct Chave {
    QString sTipo;
    std::int32_t lNumero = 0;
    std::int16_t iSerie = 0;
    std::int16_t iAno = 0;
};
std::optional<Chave> chaveDe(const QStringList& campos) {
    if (campos.size() != 4 || holdsControlCharacter(campos[0])) return std::nullopt;
    Chave c;
    c.sTipo = campos[0];
    c.lNumero = CLng(Variant(campos[1]));
    c.iAno = CInt(Variant(campos[3]));
    c.iSerie = CInt(Variant(campos[2]));
    return c;
}

// One invoice reference, refused (a message) or turned into a key.
// Returns the refusal text, "" when the key was added.
QString resolverReferencia(DalComandos& comandos, const QString& sReferencia, const QString& sConta, VskDocKeys& keys,
                           Currency& cSoma) {
    const QStringList campos = sReferencia.split(u'-');
    const std::optional<Chave> chave = chaveDe(campos);
    if (!chave) return RecusaMalDefinido + sReferencia;
    const auto& [sTipo, lNumero, iSerie, iAno] = *chave;

    const auto rs = comandos.HlpDb_DocGcCabByKeyGet(sTipo, lNumero, iAno, iSerie);
    if (!rs) err::raise(err::ObjectNotSet);
    if (rs->Eof()) return RecusaNaoExiste + sReferencia;

    const QString sTerceiro = CStr(rs->value(QStringLiteral("Terceiro")));
    if (sTerceiro != sConta) {
        rs->Close();
        return recusaOutroTerceiro(sTerceiro, sConta, sReferencia);
    }

    // Keyed by the number as read, so that "FT-012" and "FT-12" are the same invoice named twice.
    const auto key = keys.Add(sTipo, lNumero, iSerie, iAno, sTipo + u'-' + QString::number(lNumero));
    key->Total(CCur(rs->value(QStringLiteral("TOTDOC"))));
    key->AreaGestao(CInt(rs->value(QStringLiteral("AREAG"))));
    key->TipoOperacao(CInt(rs->value(QStringLiteral("TPOPER"))));
    key->Natureza(CInt(rs->value(QStringLiteral("NATCONTA"))));
    key->SinalCt(CInt(rs->value(QStringLiteral("SINALCT"))));
    // A document that counts against the customer (a credit note) pays back.
    if (key->SinalCt() == 2) key->Total(-key->Total());
    cSoma += key->Total();
    rs->Close();
    return {};
}

}  // namespace

QString pFaturaReferenciaInvalida(const QString& sFatura) {
    for (const QString& sReferencia : sFatura.split(u';')) {
        if (Trim(sReferencia).isEmpty()) continue;
        if (!tryIgnoringError([&] { (void)chaveDe(sReferencia.split(u'-')); })) return sReferencia;
    }
    return {};
}

QString recusaOutroTerceiro(const QString& sTerceiro, const QString& sConta, const QString& sReferencia) {
    return QStringLiteral("Um dos documentos a liquidar tem terceiro <") + sTerceiro +
           QStringLiteral("> diferente da transferência <") + sConta + QStringLiteral(">. ") + sReferencia;
}

std::shared_ptr<VskDocKeys> pDocQueTipoRecibo(DalComandos& comandos, const QString& sFatura, const QString& sConta,
                                              Currency cValor, QString& sMensagem) {
    return reraiseAs(Source, [&] {
        sMensagem.clear();
        auto keys = std::make_shared<VskDocKeys>();
        if (sFatura.isEmpty()) return keys;

        Currency cSoma;
        for (const QString& sReferencia : sFatura.split(u';')) {
            if (Trim(sReferencia).isEmpty()) continue;
            sMensagem = resolverReferencia(comandos, sReferencia, sConta, *keys, cSoma);
            if (!sMensagem.isEmpty()) break;  // only the first refusal is told
        }
        if (!sMensagem.isEmpty() || cSoma != cValor) keys = std::make_shared<VskDocKeys>();
        return keys;
    });
}

}  // namespace tvx
