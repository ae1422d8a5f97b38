#include "config_editor/listas_configuracao.h"

#include "config_editor/reraise_chained.h"
#include "platform/ado/recordset.h"
#include "platform/automation/conversions.h"
#include "platform/sql/sql_quote.h"
#include "runs/field_values.h"
#include "settings/dal_comandos.h"

#include <functional>

namespace tvx {

namespace {

using RecordsetRef = ListasConfiguracao::RecordsetRef;
using Filtro = std::function<bool(const ado::Recordset&)>;
using configuracao::reraiseChained;

const QString Codigo = QStringLiteral("CODIGO");
const QString Descr = QStringLiteral("DESCR");
const QString Nome = QStringLiteral("NOME");
const QString Serie = QStringLiteral("SERIE");

ado::Recordset& linhas(const RecordsetRef& rs) {
    if (!rs) err::raise(err::ObjectNotSet);
    return *rs;
}

// The document types a grid item lists: AREAG, ENTIDADE, TPOPER and
// NATCONTA as they must be, a Null counting as 0.
struct FiltroTipo {
    std::int32_t areag, entidade, tpoper, natconta;

    bool passa(const ado::Recordset& rs) const {
        const auto valor = [&](const char* coluna) {
            const Variant v = rs.value(QLatin1String(coluna));
            return v.isNull() ? 0 : CLng(v);
        };
        return valor("AREAG") == areag && valor("ENTIDADE") == entidade && valor("TPOPER") == tpoper &&
               valor("NATCONTA") == natconta;
    }
};
constexpr FiltroTipo FiltroFacturas{4, 2, 2, 1};
constexpr FiltroTipo FiltroRecibos{6, 2, 7, 1};

const FiltroTipo* filtroDoItem(std::int16_t id) {
    switch (id) {
        case 1000:
            return &FiltroFacturas;
        case 1012:
        case 1015:
            return &FiltroRecibos;
        default:
            return nullptr;
    }
}

// Document types, sectors and warehouses make sure of their rows by moving
// to the last one (an empty catalogue fails there), then counting.
bool temLinhasPelaUltima(ado::Recordset& rs) {
    rs.MoveLast();
    return rs.RecordCount() > 0;
}

// Articles and the generic list count first, and move to the last row only
// when there is one.
bool temLinhasPelaContagem(ado::Recordset& rs) {
    if (rs.RecordCount() <= 0) return false;
    rs.MoveLast();
    return rs.RecordCount() > 0;
}

// From the first row to the end, an entry for each row that passes: the
// caption column's text (a Null caption as an empty one), the row's position.
void entradas(ado::Recordset& rs, const QString& colunaCaption, const QString& colunaCodigo, ui::PropertyGridItem& item,
              const Filtro& passa = {}) {
    rs.MoveFirst();
    while (!rs.Eof()) {
        if (!passa || passa(rs))
            item.AddConstraint(textoOuVazio(rs.value(colunaCaption)), rs.AbsolutePosition(),
                               colunaCodigo.isEmpty() ? QString() : textoOuVazio(rs.value(colunaCodigo)));
        rs.MoveNext();
    }
}

// The position of the first row meeting `criterio`, 0 when none does. With
// `contar` an empty record set answers 0 before any move.
std::int32_t posicao(ado::Recordset& rs, const QString& criterio, bool contar) {
    if (contar && rs.RecordCount() <= 0) return 0;
    rs.MoveFirst();
    rs.Find(criterio, 0, ado::adSearchForward);
    return rs.Eof() ? 0 : rs.AbsolutePosition();
}

// coluna='valor', the value's quotes doubled so that a code holding one is found.
QString criterioTexto(const QString& coluna, const QString& valor) {
    return coluna + QStringLiteral("='") + sql::sqlEscape(valor) + u'\'';
}

}  // namespace

void ListasConfiguracao::pForeignKeyTablesOpenLoad() {
    reraiseChained(QStringLiteral("pForeignKeyTablesOpenLoad"), [&] {
        m_rsArtigos = comandos_.HlpDb_ArtigosReduzidoGet({}, Nome);
        m_rsArmazens = comandos_.HlpDb_ArmazensGet({}, Codigo);
        m_rsTiposDoc = comandos_.HlpDb_TiposDocumentosGet({}, Codigo);
        m_rsSectores = comandos_.HlpDb_SectoresGet({}, Codigo);
        m_rsSeriesFat = comandos_.HlpDb_SeriesGet({}, {});
        m_rsSeriesRec = comandos_.HlpDb_SeriesGet({}, {});
        m_rsSeriesRpc = comandos_.HlpDb_SeriesGet({}, {});
        m_rsMotivosIsencao = comandos_.HlpDb_MotIsencaoIvaGet({}, {});
    });
}

void ListasConfiguracao::pForeignKeyTablesClose() {
    for (RecordsetRef* rs : {&m_rsArtigos, &m_rsArmazens, &m_rsTiposDoc, &m_rsSectores, &m_rsSeriesFat, &m_rsSeriesRec,
                             &m_rsSeriesRpc, &m_rsMotivosIsencao})
        rs->reset();
}

void ListasConfiguracao::pFrmPropSetConstraintsTpDocum(ui::PropertyGridItem& item) {
    reraiseChained(QStringLiteral("pFrmPropSetConstraintsTpDocum"), [&] {
        item.ClearConstraints();
        const FiltroTipo* filtro = filtroDoItem(item.Id());
        if (!filtro) return;
        ado::Recordset& rs = linhas(m_rsTiposDoc);
        if (!temLinhasPelaUltima(rs)) return;
        entradas(rs, Descr, Codigo, item, [filtro](const ado::Recordset& r) { return filtro->passa(r); });
    });
}

void ListasConfiguracao::pFrmPropSetConstraintsSeries(ui::PropertyGridItem& item, RecordsetRef& rsSeries,
                                                      const QString& sTipoDoc) {
    reraiseChained(QStringLiteral("pFrmPropSetConstraintsSeries"), [&] {
        item.ClearConstraints();
        const QString sWhere = sTipoDoc.isEmpty() ? QString() : criterioTexto(QStringLiteral("TIPODOC"), sTipoDoc);
        rsSeries = comandos_.HlpDb_SeriesGet(sWhere, {});
        // A type without series gets an empty list, as an empty article catalogue does.
        if (!temLinhasPelaContagem(linhas(rsSeries))) return;
        entradas(*rsSeries, Descr, Serie, item);
    });
}

void ListasConfiguracao::pFrmPropSetConstraintsSector(ui::PropertyGridItem& item) {
    reraiseChained(QStringLiteral("pFrmPropSetConstraintsSector"), [&] {
        item.ClearConstraints();
        ado::Recordset& rs = linhas(m_rsSectores);
        if (temLinhasPelaUltima(rs)) entradas(rs, Descr, Codigo, item);
    });
}

void ListasConfiguracao::pFrmPropSetConstraintsDescritores(ui::PropertyGridItem& item) {
    reraiseChained(QStringLiteral("pFrmPropSetConstraintsDescritores"), [&] {
        item.ClearConstraints();
        ado::Recordset& rs = linhas(m_rsArtigos);
        if (temLinhasPelaContagem(rs)) entradas(rs, Nome, Codigo, item);
    });
}

void ListasConfiguracao::pFrmPropSetConstraintsArmazens(ui::PropertyGridItem& item) {
    reraiseChained(QStringLiteral("pFrmPropSetConstraintsArmazens"), [&] {
        item.ClearConstraints();
        ado::Recordset& rs = linhas(m_rsArmazens);
        if (temLinhasPelaUltima(rs)) entradas(rs, Nome, Codigo, item);
    });
}

void ListasConfiguracao::pFrmPropSetConstraintSimNao(ui::PropertyGridItem& item) {
    reraiseChained(QStringLiteral("pFrmPropSetConstraintSimNao"), [&] {
        item.ClearConstraints();
        item.AddConstraint(QStringLiteral("Sim"), 1);
        item.AddConstraint(QStringLiteral("Não"), 0);
    });
}

void ListasConfiguracao::pFrmPropSetConstraintGeneric(RecordsetRef& rs, const QString& sColuna,
                                                      ui::PropertyGridItem& item, const QString& sColunaCodigo) {
    reraiseChained(QStringLiteral("pFrmPropSetConstraintGeneric"), [&] {
        item.ClearConstraints();
        if (temLinhasPelaContagem(linhas(rs))) entradas(*rs, sColuna, sColunaCodigo, item);
    });
}

std::int32_t ListasConfiguracao::pFrmPropSetConstraintsTpDocumValue(const QString& sCodigo) {
    return reraiseChained(QStringLiteral("pFrmPropSetConstraintsTpDocumValue"),
                          [&] { return posicao(linhas(m_rsTiposDoc), criterioTexto(Codigo, sCodigo), false); });
}

std::int32_t ListasConfiguracao::pFrmPropSetConstraintsSeriesValue(RecordsetRef& rsSeries, std::int16_t iSerie) {
    return reraiseChained(QStringLiteral("pFrmPropSetConstraintsSeriesValue"),
                          [&] { return posicao(linhas(rsSeries), Serie + u'=' + QString::number(iSerie), true); });
}

std::int32_t ListasConfiguracao::pFrmPropSetConstraintsSectorValue(const QString& sCodigo) {
    return reraiseChained(QStringLiteral("pFrmPropSetConstraintsSectorValue"),
                          [&] { return posicao(linhas(m_rsSectores), criterioTexto(Codigo, sCodigo), false); });
}

std::int32_t ListasConfiguracao::pFrmPropSetConstraintsDescritoresValue(const QString& sCodigo) {
    return reraiseChained(QStringLiteral("pFrmPropSetConstraintsDescritoresValue"),
                          [&] { return posicao(linhas(m_rsArtigos), criterioTexto(Codigo, sCodigo), true); });
}

std::int32_t ListasConfiguracao::pFrmPropSetConstraintsArmazensValue(const QString& sCodigo) {
    return reraiseChained(QStringLiteral("pFrmPropSetConstraintsArmazensValue"),
                          [&] { return posicao(linhas(m_rsArmazens), criterioTexto(Codigo, sCodigo), false); });
}

std::int32_t ListasConfiguracao::pFrmPropSetConstraintValueGeneric(RecordsetRef& rs, const QString& sColuna,
                                                                   const QString& valor) {
    return reraiseChained(QStringLiteral("pFrmPropSetConstraintValueGeneric"),
                          [&] { return posicao(linhas(rs), criterioTexto(sColuna, valor), true); });
}

}  // namespace tvx
