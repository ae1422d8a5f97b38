#include "settings/dal_comandos.h"

#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "settings/dal_comandos_sql.h"
#include "addin/host_api/dal_ligacao.h"

namespace tvx::DalComandos {

namespace {

// The module's one shared connection.
std::shared_ptr<DalLigacao>& ligacao() {
    static std::shared_ptr<DalLigacao> shared;
    return shared;
}

DalLigacao& requireLigacao() {
    if (!ligacao()) err::raise(err::ObjectNotSet);
    return *ligacao();
}

RecordsetRef consultar(const QString& sql) {
    RecordsetRef rs;
    requireLigacao().Consultar(QString(), sql, rs, -1, 0);
    if (!rs) err::raise(err::ObjectNotSet);
    return rs;
}

QString source(const char* helper) { return QStringLiteral("Comandos::") + QLatin1String(helper); }

// Runs a catalogue query under the helper's own error source.
RecordsetRef consultarComo(const char* helper, const QString& sql) {
    return reraiseAs(source(helper), [&] { return consultar(sql); });
}

RecordsetRef lista(const char* helper, const QString& select, const QString& from, const QString& where,
                   const QString& orderBy) {
    return consultarComo(helper, sql::listQuery(select, from, where, orderBy));
}

const QString SelectTudo = QStringLiteral("SELECT   * ");

}  // namespace

QString sqlEscape(const QString& value) {
    QString escaped = value;
    return escaped.replace(QLatin1Char('\''), QStringLiteral("''"));
}

void HlpDb_LigacaoSet(std::shared_ptr<DalLigacao> oLigacao) { ligacao() = std::move(oLigacao); }

std::shared_ptr<DalLigacao> HlpDb_Ligacao() { return ligacao(); }

std::int16_t HlpDb_Executar(const QString& sSql) { return requireLigacao().Executar(QString(), sSql); }

void HlpDb_ParametrosCreate() {
    reraiseAs(source("HlpDb_ParametrosCreate"), [] {
        const RecordsetRef existe = consultar(sql::parametrosExisteQuery());
        if (existe->RecordCount() != 0) return;
        HlpDb_Executar(sql::parametrosCreateStatement());
    });
}

RecordsetRef HlpDb_ParametrosGet() { return consultarComo("HlpDb_ParametrosGet", sql::parametrosGetQuery()); }

void HlpDb_ParametrosSave(RecordsetRef& rs) {
    // Reported under the read's name, as the callers expect.
    reraiseAs(source("HlpDb_ParametrosGet"), [&] {
        RecordsetRef gravado = rs;
        requireLigacao().Gravar(QString(), gravado);
        rs = gravado;
    });
}

RecordsetRef HlpDb_ArmazensGet(const QString& sWhere, const QString& sOrderBy) {
    return lista("HlpDb_ArmazensGet", SelectTudo, QStringLiteral("FROM     ARMAZENS "), sWhere, sOrderBy);
}

RecordsetRef HlpDb_ArtigosReduzidoGet(const QString& sWhere, const QString& sOrderBy) {
    return lista("HlpDb_ArtigosReduzidoGet", QStringLiteral("SELECT   CODIGO, NOME "),
                 QStringLiteral("FROM     ARTIGOS "), sWhere, sOrderBy);
}

RecordsetRef HlpDb_TiposDocumentosGet(const QString& sWhere, const QString& sOrderBy) {
    return lista("HlpDb_TiposDocumentosGet", SelectTudo, QStringLiteral("FROM     TPDOC "), sWhere, sOrderBy);
}

RecordsetRef HlpDb_SectoresGet(const QString& sWhere, const QString& sOrderBy) {
    return lista("HlpDb_SectoresGet", SelectTudo, QStringLiteral("FROM     SECTORES "), sWhere, sOrderBy);
}

RecordsetRef HlpDb_SeriesGet(const QString& sWhere, const QString& sOrderBy) {
    return lista("HlpDb_SeriesGet", SelectTudo, QStringLiteral("FROM     NOMSERIE "), sWhere, sOrderBy);
}

RecordsetRef HlpDb_MotIsencaoIvaGet(const QString& sWhere, const QString& sOrderBy) {
    return lista("HlpDb_MotIsencaoIvaGet", SelectTudo, QStringLiteral("FROM     MOTIVO_ISENCAO_IVA "), sWhere,
                 sOrderBy);
}

RecordsetRef HlpDb_ClienteByCod(const QString& sCodigo) {
    return consultarComo("HlpDb_ClienteByCod", sql::clienteByCodQuery(sCodigo));
}

RecordsetRef HlpDb_DocGcCabByKeyGet(const QString& sTipoDoc, std::int32_t lNumero, std::int16_t iAno,
                                    std::int16_t iSerie) {
    return consultarComo("HlpDb_DocGcCabByKeyGet", sql::docGcCabByKeyQuery(sTipoDoc, lNumero, iAno, iSerie));
}

RecordsetRef HlpDb_DiagnosticoCreate() {
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

}  // namespace tvx::DalComandos
