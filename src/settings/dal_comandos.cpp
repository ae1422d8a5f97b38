#include "settings/dal_comandos.h"

#include "host_api/dal_ligacao.h"
#include "host_api/dal_ligacao_diferida.h"
#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "platform/automation/conversions.h"
#include "platform/sql/sql_lexer.h"
#include "platform/sql/sql_quote.h"
#include "settings/dal_comandos_sql.h"

namespace tvx {

namespace {

QString source(const char* helper) { return QStringLiteral("Comandos::") + QLatin1String(helper); }

const QString SelectTudo = QStringLiteral("SELECT   * ");

// `sql` with each `?` mark replaced by its value as a literal, in order.
QString comValores(const QString& sql, const std::vector<Variant>& valores) {
    const sql::TokenList t(sql);
    sql::TextEdits edits;
    std::size_t n = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (!t.isSymbol(i, u'?')) continue;
        const Variant v = n < valores.size() ? valores[n] : Variant::null();
        ++n;
        edits.replace(t[i].begin, t[i].end,
                      v.isNull()      ? QStringLiteral("NULL")
                      : v.isNumeric() ? CStr(v)
                                      : sql::sqlNQuoted(CStr(v)));
    }
    return edits.applyTo(sql);
}

}  // namespace

DalLigacao& DalComandos::ligacao() const {
    if (!ligacao_) err::raise(err::ObjectNotSet);
    return *ligacao_;
}

DalComandos::RecordsetRef DalComandos::consultar(const QString& sql) const {
    RecordsetRef rs;
    ligacao().Consultar(QString(), sql, rs, -1, 0);
    if (!rs) err::raise(err::ObjectNotSet);
    return rs;
}

// Runs a catalogue query under the helper's own error source.
DalComandos::RecordsetRef DalComandos::consultarComo(const char* helper, const QString& sql) const {
    return reraiseAs(source(helper), [&] { return consultar(sql); });
}

DalComandos::RecordsetRef DalComandos::lista(const char* helper, const QString& select, const QString& from,
                                             const QString& where, const QString& orderBy) const {
    return consultarComo(helper, comandos_sql::listQuery(select, from, where, orderBy));
}

void DalComandos::HlpDb_LigacaoSet(std::shared_ptr<DalLigacao> oLigacao) { ligacao_ = std::move(oLigacao); }

std::shared_ptr<DalLigacao> DalComandos::HlpDb_Ligacao() const { return ligacao_; }

std::int16_t DalComandos::HlpDb_Executar(const QString& sSql) { return ligacao().Executar(QString(), sSql); }

std::int16_t DalComandos::HlpDb_ExecutarDiferido(const QString& sSql, const std::vector<Variant>& valores) {
    DalLigacao& l = ligacao();
    if (auto* diferida = dynamic_cast<DalLigacaoDiferida*>(&l))
        return diferida->ExecutarDiferido(QString(), sSql, valores);
    return l.Executar(QString(), comValores(sSql, valores));
}

void DalComandos::HlpDb_ParametrosCreate() {
    reraiseAs(source("HlpDb_ParametrosCreate"), [this] {
        const RecordsetRef existe = consultar(comandos_sql::parametrosExisteQuery());
        if (existe->RecordCount() != 0) return;
        HlpDb_Executar(comandos_sql::parametrosCreateStatement());
    });
}

DalComandos::RecordsetRef DalComandos::HlpDb_ParametrosGet() {
    return consultarComo("HlpDb_ParametrosGet", comandos_sql::parametrosGetQuery());
}

void DalComandos::HlpDb_ParametrosSave(RecordsetRef& rs) {
    // Reported under the read's name, as the callers expect.
    reraiseAs(source("HlpDb_ParametrosGet"), [&] {
        RecordsetRef gravado = rs;
        ligacao().Gravar(QString(), gravado);
        rs = gravado;
    });
}

DalComandos::RecordsetRef DalComandos::HlpDb_ArmazensGet(const QString& sWhere, const QString& sOrderBy) {
    return lista("HlpDb_ArmazensGet", SelectTudo, QStringLiteral("FROM     ARMAZENS "), sWhere, sOrderBy);
}

DalComandos::RecordsetRef DalComandos::HlpDb_ArtigosReduzidoGet(const QString& sWhere, const QString& sOrderBy) {
    return lista("HlpDb_ArtigosReduzidoGet", QStringLiteral("SELECT   CODIGO, NOME "),
                 QStringLiteral("FROM     ARTIGOS "), sWhere, sOrderBy);
}

DalComandos::RecordsetRef DalComandos::HlpDb_TiposDocumentosGet(const QString& sWhere, const QString& sOrderBy) {
    return lista("HlpDb_TiposDocumentosGet", SelectTudo, QStringLiteral("FROM     TPDOC "), sWhere, sOrderBy);
}

DalComandos::RecordsetRef DalComandos::HlpDb_SectoresGet(const QString& sWhere, const QString& sOrderBy) {
    return lista("HlpDb_SectoresGet", SelectTudo, QStringLiteral("FROM     SECTORES "), sWhere, sOrderBy);
}

DalComandos::RecordsetRef DalComandos::HlpDb_SeriesGet(const QString& sWhere, const QString& sOrderBy) {
    return lista("HlpDb_SeriesGet", SelectTudo, QStringLiteral("FROM     NOMSERIE "), sWhere, sOrderBy);
}

DalComandos::RecordsetRef DalComandos::HlpDb_MotIsencaoIvaGet(const QString& sWhere, const QString& sOrderBy) {
    return lista("HlpDb_MotIsencaoIvaGet", SelectTudo, QStringLiteral("FROM     MOTIVO_ISENCAO_IVA "), sWhere,
                 sOrderBy);
}

DalComandos::RecordsetRef DalComandos::HlpDb_ClienteByCod(const QString& sCodigo) {
    return consultarComo("HlpDb_ClienteByCod", comandos_sql::clienteByCodQuery(sCodigo));
}

DalComandos::RecordsetRef DalComandos::HlpDb_DocGcCabByKeyGet(const QString& sTipoDoc, std::int32_t lNumero,
                                                              std::int16_t iAno, std::int16_t iSerie) {
    return consultarComo("HlpDb_DocGcCabByKeyGet", comandos_sql::docGcCabByKeyQuery(sTipoDoc, lNumero, iAno, iSerie));
}

DalComandos::RecordsetRef DalComandos::HlpDb_DiagnosticoCreate() {
    return reraiseAs(source("HlpDb_DiagnosticoCreate"), [] {
        auto rs = std::make_shared<ado::Recordset>();
        ado::Fields& fields = rs->Fields();
        fields.Append(QStringLiteral("Linha"), ado::adInteger, 0, ado::adFldUnspecified);
        fields.Append(QStringLiteral("Num.Cliente"), ado::adVarChar, 15, ado::adFldUnspecified);
        fields.Append(QStringLiteral("Estado"), ado::adVarChar, 15, ado::adFldUnspecified);
        fields.Append(QStringLiteral("Documento"), ado::adInteger, 32, ado::adFldUnspecified);
        fields.Append(QStringLiteral("Descrição"), ado::adVarChar, 255, ado::adFldUnspecified);
        rs->Open(QString(), QString(), ado::adOpenUnspecified, ado::adLockUnspecified, ado::adCmdUnspecified);
        return rs;
    });
}

}  // namespace tvx
