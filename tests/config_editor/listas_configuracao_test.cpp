// The pick lists: which rows each builder lists and under which numbers, the
// position lookups, and how the builders differ on empty catalogues.
#include "config_editor/listas_configuracao.h"

#include "config_editor/editor_fixture.h"
#include "support/tabela.h"

namespace tvx::testing {
namespace {

using RecordsetRef = ListasConfiguracao::RecordsetRef;

class ListasTest : public EditorFixture {
protected:
    // A list item of the grid with identifier `id`.
    ui::PropertyGridItem& item(std::int16_t id) {
        ui::PropertyGridItem& novo = categoria.AddChildItem(ui::PropertyItemList, QStringLiteral("item"), Variant());
        novo.SetId(id);
        return novo;
    }
    // The error `body` raises (number 0 when none).
    template <class F>
    static AutomationError erroDe(F&& body) {
        try {
            body();
        } catch (const AutomationError& e) {
            return e;
        }
        return AutomationError(0, {});
    }
    static RecordsetRef vazia(const QStringList& colunas) { return tabela(colunas, {}); }

    ListasConfiguracao listas{comandos};
    ui::PropertyGrid grid;
    ui::PropertyGridCategory& categoria = grid.AddCategory(QStringLiteral("c"));
};

const QStringList ColunasTipos = {"CODIGO", "DESCR", "AREAG", "ENTIDADE", "TPOPER", "NATCONTA"};
const Variant Null = Variant::null();

TEST_F(ListasTest, DocumentTypesPassTheirItemsFilterAndKeepTheirPositions) {
    listas.m_rsTiposDoc = tabela(ColunasTipos, {{"NC", "Nota de crédito", 4, 2, 3, 1},
                                                {"RE", "Recibo", 6, 2, 7, 1},
                                                {"FR", "Factura-recibo", Null, 2, 2, 1},
                                                {"RA", "Recebimento por conta", 6, 2, 7, Null},
                                                {"FT", "Factura", 4, 2, 2, 1},
                                                {"O'K", "Recibo O'K", 6, 2, 7, 1}});
    ui::PropertyGridItem& facturas = item(1000);
    listas.pFrmPropSetConstraintsTpDocum(facturas);
    EXPECT_EQ(entradasDe(facturas), QStringList{"Factura=5"});
    EXPECT_EQ(facturas.Constraints().front().code, QStringLiteral("FT"));
    for (const std::int16_t id : {std::int16_t(1012), std::int16_t(1015)}) {
        ui::PropertyGridItem& recibos = item(id);
        listas.pFrmPropSetConstraintsTpDocum(recibos);
        EXPECT_EQ(entradasDe(recibos), (QStringList{"Recibo=2", "Recibo O'K=6"})) << id;
    }
    ui::PropertyGridItem& outro = item(1002);
    outro.AddConstraint(QStringLiteral("antes"), 1);
    listas.pFrmPropSetConstraintsTpDocum(outro);
    EXPECT_TRUE(outro.Constraints().empty());

    // A stored receipt type shows its position, which the invoice list has no entry for.
    EXPECT_EQ(listas.pFrmPropSetConstraintsTpDocumValue(QStringLiteral("FT")), 5);
    EXPECT_EQ(listas.pFrmPropSetConstraintsTpDocumValue(QStringLiteral("re")), 2);
    EXPECT_EQ(listas.pFrmPropSetConstraintsTpDocumValue(QStringLiteral("O'K")), 6);
    EXPECT_EQ(listas.pFrmPropSetConstraintsTpDocumValue(QStringLiteral("XX")), 0);
}

TEST_F(ListasTest, EmptyCataloguesFailWhereTheBuilderMovesBeforeCounting) {
    listas.m_rsTiposDoc = vazia(ColunasTipos);
    listas.m_rsSectores = vazia({"CODIGO", "DESCR"});
    listas.m_rsArmazens = vazia({"CODIGO", "NOME"});
    listas.m_rsArtigos = vazia({"CODIGO", "NOME"});
    listas.m_rsMotivosIsencao = vazia({"CODIGO", "DESCRICAO"});

    const auto falha = [](const AutomationError& e, const char* fonte) {
        EXPECT_EQ(e.number(), err::NoCurrentRecord) << fonte;
        EXPECT_EQ(e.source(), QLatin1String(fonte));
        EXPECT_TRUE(e.description().startsWith(QStringLiteral("ADODB.Recordset\r\n"))) << e.description().toStdString();
    };
    falha(erroDe([&] { listas.pFrmPropSetConstraintsTpDocum(item(1000)); }), "pFrmPropSetConstraintsTpDocum");
    falha(erroDe([&] { listas.pFrmPropSetConstraintsSector(item(1002)); }), "pFrmPropSetConstraintsSector");
    falha(erroDe([&] { listas.pFrmPropSetConstraintsArmazens(item(1008)); }), "pFrmPropSetConstraintsArmazens");
    // Their lookups do not count either.
    falha(erroDe([&] { listas.pFrmPropSetConstraintsSectorValue(QStringLiteral("1")); }),
          "pFrmPropSetConstraintsSectorValue");

    // Articles and the generic list count first: an empty list, position 0.
    ui::PropertyGridItem& artigo = item(1004);
    listas.pFrmPropSetConstraintsDescritores(artigo);
    EXPECT_TRUE(artigo.Constraints().empty());
    EXPECT_EQ(listas.pFrmPropSetConstraintsDescritoresValue(QStringLiteral("FARE")), 0);
    ui::PropertyGridItem& motivo = item(1007);
    listas.pFrmPropSetConstraintGeneric(listas.m_rsMotivosIsencao, QStringLiteral("DESCRICAO"), motivo);
    EXPECT_TRUE(motivo.Constraints().empty());
    EXPECT_EQ(listas.pFrmPropSetConstraintValueGeneric(listas.m_rsMotivosIsencao, QStringLiteral("CODIGO"),
                                                       QStringLiteral("M99")),
              0);
}

TEST_F(ListasTest, ARowWithoutCaptionIsListedWithAnEmptyOne) {
    listas.m_rsSectores = tabela({"CODIGO", "DESCR"}, {{"1", Null}, {"2", "Loja do Porto"}});
    ui::PropertyGridItem& sector = item(1002);
    listas.pFrmPropSetConstraintsSector(sector);
    EXPECT_EQ(entradasDe(sector), (QStringList{"=1", "Loja do Porto=2"}));
}

TEST_F(ListasTest, CatalogueListsFromTheCompanyWithCodesHoldingQuotes) {
    sql(
        QStringLiteral("INSERT INTO TPDOC (CODIGO, DESCR, AREAG, TPOPER, NATCONTA, CATEGORIA) "
                       "VALUES ('O''K', 'Factura O''K', 4, 2, 1, 'FACTURA')"));
    sql(QStringLiteral("INSERT INTO NOMSERIE (TIPODOC, SERIE, DESCR) VALUES ('O''K', 5, 'Série O''K')"));
    sql(QStringLiteral("INSERT INTO ARTIGOS (CODIGO, NOME, TIPOIVA) VALUES ('D''ARC', 'Aéreo d''Arc', 4)"));
    listas.pForeignKeyTablesOpenLoad();

    RecordsetRef series;
    ui::PropertyGridItem& serie = item(1001);
    listas.pFrmPropSetConstraintsSeries(serie, series, QString());
    EXPECT_EQ(serie.Constraints().size(), 6u);  // every type's
    listas.pFrmPropSetConstraintsSeries(serie, series, QStringLiteral("FT"));
    EXPECT_EQ(entradasDe(serie), (QStringList{"Série 1=1", "Série 2 (não assinada)=2"}));
    EXPECT_EQ(listas.pFrmPropSetConstraintsSeriesValue(series, 2), 2);
    EXPECT_EQ(listas.pFrmPropSetConstraintsSeriesValue(series, 9), 0);
    listas.pFrmPropSetConstraintsSeries(serie, series, QStringLiteral("O'K"));
    EXPECT_EQ(entradasDe(serie), QStringList{"Série O'K=1"});
    listas.pFrmPropSetConstraintsSeries(serie, series, QStringLiteral("XX"));
    EXPECT_TRUE(serie.Constraints().empty());
    EXPECT_EQ(listas.pFrmPropSetConstraintsSeriesValue(series, 1), 0);

    // Articles in order of their names; the quoted code is found.
    ui::PropertyGridItem& artigo = item(1004);
    listas.pFrmPropSetConstraintsDescritores(artigo);
    EXPECT_EQ(entradasDe(artigo),
              (QStringList{"Aéreo d'Arc=1", "Bilhete - tarifa=2", "Bilhete - taxas=3", "Taxa de serviço=4"}));
    EXPECT_EQ(listas.pFrmPropSetConstraintsDescritoresValue(QStringLiteral("D'ARC")), 1);
    EXPECT_EQ(listas.pFrmPropSetConstraintsTpDocumValue(QStringLiteral("O'K")), 3);

    // A failing query names the helper under the builder.
    ligacao->falha = FalhaLigacao{QStringLiteral("NOMSERIE"), false,
                                  AutomationError(err::ProviderCommandError, QStringLiteral("no such table"))};
    const AutomationError e = erroDe([&] { listas.pFrmPropSetConstraintsSeries(serie, series, QStringLiteral("FT")); });
    EXPECT_EQ(e.source(), QStringLiteral("pFrmPropSetConstraintsSeries"));
    EXPECT_EQ(e.description(), QStringLiteral("Comandos::HlpDb_SeriesGet\r\nno such table"));
}

}  // namespace
}  // namespace tvx::testing
