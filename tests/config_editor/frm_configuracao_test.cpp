// The configuration window's logic: the grid it builds, the values it shows,
// what edits write, its three buttons, the in-place button, and how its
// failures reach the user.
#include "config_editor/frm_configuracao.h"

#include "config_editor/editor_fixture.h"
#include "config_editor/reraise_chained.h"
#include "platform/automation/conversions.h"

namespace tvx::testing {
namespace {

class FrmConfiguracaoTest : public EditorFixture {
protected:
    // What the user does while the window is shown, in turn.
    void depois(std::function<void()> accao) { window.whileShown(std::move(accao)); }
    // The user picks the entry with `caption` from item `id`'s list.
    void escolhe(std::int16_t id, const QString& caption) {
        ui::PropertyGridItem& item = itemDe(grid, id);
        for (const auto& e : item.Constraints())
            if (e.caption == caption) return grid.userSetValue(item, Variant(e.data));
        ADD_FAILURE() << id << " has no entry " << caption.toStdString();
    }
    void escreve(std::int16_t id, const QString& texto) { grid.userSetValue(itemDe(grid, id), Variant(texto)); }
    QString mostrado(std::int16_t id) { return itemDe(grid, id).ValueText(); }
    bool clica(const char* botao) { return window.click(QLatin1String(botao)); }

    FakeFormWindow window;
    ui::PropertyGrid grid;
    FakeCommonDialog dialog;
    FakeMessageBox messages;
    FrmConfiguracao frm{{window, grid, dialog, messages}, comandos};
};

TEST_F(FrmConfiguracaoTest, BuildsTheFiveCategoriesAndShowsTheStoredRow) {
    guardarLinhaDemo();
    depois([&] {
        EXPECT_EQ(grid.Appearance(), 2);
        QStringList categorias;
        std::vector<int> ids;
        for (const auto& c : grid.Categories()) {
            categorias << c->Caption();
            EXPECT_TRUE(c->Expanded());
            for (const auto& i : c->Items()) ids.push_back(i->Id());
        }
        EXPECT_EQ(categorias, (QStringList{"Documento Comercial", "Recibos", "Recebimentos por Conta", "Artigos",
                                           "Base dados origem"}));
        EXPECT_EQ(ids, (std::vector<int>{1000, 1001, 1002, 1003, 1012, 1013, 1014, 1015, 1016, 1017, 1004, 1005, 1006,
                                         1008, 1007, 1009, 1010, 1011}));
        EXPECT_EQ(grid.Categories()[0]->Description(),
                  QStringLiteral("Configuração do documento comercial (Fatura) a usar na importação"));
        EXPECT_EQ(itemDe(grid, 1002).Description(), QStringLiteral("Sector "));
        EXPECT_EQ(itemDe(grid, 1006).Caption(), QStringLiteral("Artigo a usar para 'Ticket Service Fee'"));
        for (const std::int16_t id : {1009, 1010, 1011}) EXPECT_EQ(itemDe(grid, id).Kind(), ui::PropertyItemText);
        EXPECT_EQ(itemDe(grid, 1000).Kind(), ui::PropertyItemList);
        EXPECT_EQ(itemDe(grid, 1009).Flags(), 3);
        EXPECT_TRUE(itemDe(grid, 1011).PasswordMask());
        EXPECT_FALSE(itemDe(grid, 1010).PasswordMask());

        // The stored row, each list item on its entry.
        const std::vector<std::pair<std::int16_t, const char*>> mostra = {{1000, "Factura"},
                                                                          {1001, "Série 1"},
                                                                          {1002, "Sede"},
                                                                          {1003, "Não"},
                                                                          {1012, "Recibo"},
                                                                          {1016, "Série 1"},
                                                                          {1017, "Loja do Porto"},
                                                                          {1004, "Bilhete - tarifa"},
                                                                          {1006, "Taxa de serviço"},
                                                                          {1008, "Armazém principal"},
                                                                          {1007, "Não sujeito ou não tributado"},
                                                                          {1009, "agencia.accdb"},
                                                                          {1011, "segredo"}};
        for (const auto& [id, texto] : mostra) EXPECT_EQ(mostrado(id), QString::fromUtf8(texto)) << id;
        EXPECT_EQ(entradasDe(itemDe(grid, 1000)), QStringList{"Factura=1"});
        EXPECT_EQ(entradasDe(itemDe(grid, 1015)), (QStringList{"Recebimento por conta=3", "Recibo=4"}));
        EXPECT_EQ(entradasDe(itemDe(grid, 1003)), (QStringList{"Sim=1", "Não=0"}));
        EXPECT_EQ(entradasDe(itemDe(grid, 1013)), QStringList{"Série 1=1"});  // RE's only
    });
    frm.Editar();
    EXPECT_EQ(window.modalShows(), 1);
    EXPECT_EQ(window.Caption(), QStringLiteral("Configuração"));
    EXPECT_EQ(window.controlCaption(QStringLiteral("cmdCancel")), QStringLiteral("C&ancelar"));
    EXPECT_TRUE(messages.calls().empty());
    EXPECT_TRUE(frm.Comando().isEmpty());  // closed by its close box
}

TEST_F(FrmConfiguracaoTest, AnEmptyTableGetsItsFirstRowAtConfirmar) {
    depois([&] {
        EXPECT_EQ(mostrado(1003), QStringLiteral("Não"));
        for (const std::int16_t id : {1000, 1001, 1002, 1012, 1004, 1008, 1007, 1009, 1010, 1011})
            EXPECT_EQ(mostrado(id), QString()) << id;
        // With no type stored, every type's series is listed.
        EXPECT_EQ(itemDe(grid, 1001).Constraints().size(), 5u);
        escolhe(1000, QStringLiteral("Factura"));
        EXPECT_TRUE(clica("cmdConf"));
    });
    frm.Editar();
    EXPECT_FALSE(window.closedByCloseBox());
    ASSERT_EQ(linhasGuardadas(), 1);
    EXPECT_EQ(guardado("FATTIPODOCUM"), Variant("FT"));
    EXPECT_EQ(guardado("FATSERIE"), Variant(std::int32_t(0)));
    EXPECT_EQ(guardado("FATFINALIZA"), Variant(std::int32_t(0)));
    EXPECT_EQ(guardado("RPCTIPODOCUM"), Variant(""));
    EXPECT_EQ(guardado("BDNOME"), Variant(""));
    EXPECT_TRUE(guardado("RECEBMODPAG").isNull());
}

TEST_F(FrmConfiguracaoTest, EditsWriteTheirColumnsAndATypeChangeListsItsSeries) {
    guardarLinhaDemo();
    sql(
        QStringLiteral("INSERT INTO TPDOC (CODIGO, DESCR, AREAG, TPOPER, NATCONTA, CATEGORIA) "
                       "VALUES ('FS', 'Factura simplificada', 4, 2, 1, 'FACTURA')"));
    sql(QStringLiteral("INSERT INTO NOMSERIE (TIPODOC, SERIE, DESCR) VALUES ('FS', 3, 'Série FS')"));
    depois([&] {
        escolhe(1000, QStringLiteral("Factura simplificada"));
        // The series list follows the type; the stored series 1 is not one of FS's.
        EXPECT_EQ(entradasDe(itemDe(grid, 1001)), QStringList{"Série FS=1"});
        EXPECT_EQ(mostrado(1001), QString());
        escolhe(1014, QStringLiteral("Loja do Porto"));
        escolhe(1003, QStringLiteral("Sim"));
        escolhe(1005, QStringLiteral("Taxa de serviço"));
        escolhe(1007, QStringLiteral("Artigo 16.º, n.º 6 do CIVA"));
        escreve(1010, QStringLiteral("RE 2024 1 3"));
        EXPECT_TRUE(clica("cmdConf"));
    });
    frm.Editar();
    EXPECT_EQ(guardado("FATTIPODOCUM"), Variant("FS"));
    EXPECT_EQ(guardado("FATSERIE"), Variant(std::int32_t(1)));  // kept until a series is picked
    EXPECT_EQ(guardado("RECSECTOR"), Variant("2"));
    EXPECT_EQ(guardado("FATFINALIZA"), Variant(std::int32_t(1)));
    EXPECT_EQ(guardado("ARTIGOTAXAS"), Variant("FEE"));
    EXPECT_EQ(guardado("ARTIGOISENCAOIVA"), Variant("M01"));
    EXPECT_EQ(guardado("BDUSER"), Variant("RE 2024 1 3"));
    EXPECT_EQ(frm.Comando(), QStringLiteral("RE 2024 1 3"));

    // Picking the new type's series stores it.
    FakeFormWindow outraJanela;
    ui::PropertyGrid outraGrelha;
    FrmConfiguracao outro({outraJanela, outraGrelha, dialog, messages}, comandos);
    outraJanela.whileShown([&] {
        EXPECT_EQ(itemDe(outraGrelha, 1000).ValueText(), QStringLiteral("Factura simplificada"));
        ui::PropertyGridItem& serie = itemDe(outraGrelha, 1001);
        outraGrelha.userSetValue(serie, Variant(std::int32_t(1)));
        outraJanela.click(QStringLiteral("cmdConf"));
    });
    outro.Editar();
    EXPECT_EQ(guardado("FATSERIE"), Variant(std::int32_t(3)));
    EXPECT_TRUE(messages.calls().empty());
}

TEST_F(FrmConfiguracaoTest, CancelarShowsTheStoredRowAgainAndSairSavesNothing) {
    guardarLinhaDemo();
    depois([&] {
        escolhe(1002, QStringLiteral("Loja do Porto"));
        escreve(1010, QStringLiteral("ZUNK"));
        EXPECT_TRUE(clica("cmdCancel"));
        EXPECT_TRUE(window.shown());
        EXPECT_EQ(mostrado(1002), QStringLiteral("Sede"));
        EXPECT_EQ(mostrado(1010), QString());
        escreve(1009, QStringLiteral("/outra/agencia.accdb"));
        EXPECT_TRUE(clica("cmdSair"));
    });
    frm.Editar();
    EXPECT_FALSE(window.closedByCloseBox());
    EXPECT_EQ(guardado("FATSECTOR"), Variant("1"));
    EXPECT_EQ(guardado("BDNOME"), Variant("agencia.accdb"));
    EXPECT_TRUE(frm.Comando().isEmpty());
    EXPECT_TRUE(messages.calls().empty());
}

TEST_F(FrmConfiguracaoTest, AFailedSaveKeepsTheWindowAndTheCommandTaken) {
    guardarLinhaDemo();
    depois([&] {
        escreve(1010, QStringLiteral("ZUNK"));
        ligacao->falha =
            FalhaLigacao{{}, true, AutomationError(err::ProviderCommandError, QStringLiteral("disco cheio"))};
        EXPECT_TRUE(clica("cmdConf"));
        EXPECT_TRUE(window.shown());
        ASSERT_EQ(messages.calls().size(), 1u);
        EXPECT_EQ(messages.last().title, QStringLiteral("Configuração"));
        EXPECT_EQ(messages.last().style, ui::vbExclamation);
        EXPECT_EQ(messages.last().prompt,
                  QStringLiteral("pParametrosSave\r\n\r\nComandos::HlpDb_ParametrosGet\r\ndisco cheio"));
        EXPECT_TRUE(clica("cmdSair"));
    });
    frm.Editar();
    EXPECT_EQ(frm.Comando(), QStringLiteral("ZUNK"));
    ligacao->falha.reset();
    EXPECT_EQ(guardado("BDUSER"), Variant(""));
}

TEST_F(FrmConfiguracaoTest, EditarNamesEveryProcedureTheFailurePassedAndShowsNoWindow) {
    guardarLinhaDemo();
    ligacao->falha = FalhaLigacao{QStringLiteral("TIPODOC="), false,
                                  AutomationError(err::ProviderCommandError, QStringLiteral("timeout"))};
    frm.Editar();
    EXPECT_EQ(window.modalShows(), 0);
    ASSERT_EQ(messages.calls().size(), 1u);
    EXPECT_EQ(messages.last().title, QStringLiteral("pFrmPropSetValues"));
    EXPECT_EQ(messages.last().prompt,
              QStringLiteral("pFrmPropSetConstraintsSeries\r\nComandos::HlpDb_SeriesGet\r\ntimeout"));
    EXPECT_EQ(messages.last().style, ui::vbExclamation);
}

TEST_F(FrmConfiguracaoTest, AnEmptyDocumentTypeCatalogueStopsTheEditorAnEmptyArticleOneDoesNot) {
    sql(QStringLiteral("DELETE FROM ARTIGOS"));
    frm.Editar();  // closed by its close box
    EXPECT_EQ(window.modalShows(), 1);
    EXPECT_TRUE(itemDe(grid, 1004).Constraints().empty());
    EXPECT_TRUE(messages.calls().empty());

    sql(QStringLiteral("DELETE FROM NOMSERIE"));
    sql(QStringLiteral("DELETE FROM TPDOC"));
    FakeFormWindow outraJanela;
    ui::PropertyGrid outraGrelha;
    FrmConfiguracao outro({outraJanela, outraGrelha, dialog, messages}, comandos);
    outro.Editar();
    EXPECT_EQ(outraJanela.modalShows(), 0);
    ASSERT_EQ(messages.calls().size(), 1u);
    EXPECT_EQ(messages.last().title, QStringLiteral("pFrmPropBuild"));
    EXPECT_TRUE(
        messages.last().prompt.startsWith(QStringLiteral("pFrmPropSetConstraintsTpDocum\r\nADODB.Recordset\r\n")))
        << messages.last().prompt.toStdString();
}

TEST_F(FrmConfiguracaoTest, StoredCodesHoldingQuotesAreFound) {
    sql(
        QStringLiteral("INSERT INTO TPDOC (CODIGO, DESCR, AREAG, TPOPER, NATCONTA, CATEGORIA) "
                       "VALUES ('O''K', 'Factura O''K', 4, 2, 1, 'FACTURA')"));
    sql(QStringLiteral("INSERT INTO NOMSERIE (TIPODOC, SERIE, DESCR) VALUES ('O''K', 5, 'Série O''K')"));
    sql(QStringLiteral("INSERT INTO ARTIGOS (CODIGO, NOME, TIPOIVA) VALUES ('D''AR', 'Aéreo d''Arc', 4)"));
    guardarLinhaDemo();
    sql(QStringLiteral("UPDATE qrl_PARAMETROS SET FATTIPODOCUM = 'O''K', FATSERIE = 5, ARTIGOFARE = 'D''AR'"));
    depois([&] {
        EXPECT_EQ(mostrado(1000), QStringLiteral("Factura O'K"));
        EXPECT_EQ(mostrado(1001), QStringLiteral("Série O'K"));
        EXPECT_EQ(mostrado(1004), QStringLiteral("Aéreo d'Arc"));
    });
    frm.Editar();
    EXPECT_TRUE(messages.calls().empty());
    EXPECT_EQ(window.modalShows(), 1);
}

TEST_F(FrmConfiguracaoTest, TheNameButtonPresetsTheDialogAndAValueTheColumnRefusesIsReported) {
    guardarLinhaDemo();
    depois([&] {
        dialog.chooseNext(QStringLiteral("/dados/agencia.accdb"));
        grid.userPressButton(itemDe(grid, 1009));
        ASSERT_EQ(dialog.shows().size(), 1u);
        const DialogShow& show = dialog.shows().front();
        EXPECT_EQ(show.title, QStringLiteral("Selecção de ficheiro a importar"));
        EXPECT_EQ(show.filter, QStringLiteral("Microsoft Access (*.accdb)|*.accdb"));
        EXPECT_EQ(show.flags, 4100);
        EXPECT_EQ(show.filterIndex, 1);
        EXPECT_EQ(show.fileName, QStringLiteral("agencia.accdb"));
        EXPECT_EQ(mostrado(1009), QStringLiteral("/dados/agencia.accdb"));
        // Cancelled: the name it was given goes back.
        dialog.cancelNext();
        grid.userPressButton(itemDe(grid, 1009));
        EXPECT_EQ(mostrado(1009), QStringLiteral("/dados/agencia.accdb"));
        grid.userPressButton(itemDe(grid, 1010));  // no button of its own
        EXPECT_EQ(dialog.shows().size(), 2u);

        escreve(1010, QStringLiteral("sa"));
        escreve(1010, QString(300, u'u'));
        EXPECT_TRUE(window.shown());
        ASSERT_EQ(messages.calls().size(), 1u);
        EXPECT_EQ(messages.last().title, QStringLiteral("Configuração"));
        EXPECT_EQ(messages.last().style, ui::vbExclamation);
        EXPECT_EQ(mostrado(1010), QStringLiteral("sa"));  // refused: the row's value is shown again
        EXPECT_TRUE(clica("cmdConf"));
    });
    frm.Editar();
    EXPECT_EQ(guardado("BDNOME"), Variant("/dados/agencia.accdb"));
    EXPECT_EQ(guardado("BDUSER"), Variant("sa"));
}

TEST(ReraiseChained, EachProcedureAnErrorPassedKeepsItsLineEvenTheOneThatRaisedItWithoutASource) {
    try {
        configuracao::reraiseChained(QStringLiteral("pFora"), [] {
            configuracao::reraiseChained(QStringLiteral("pDentro"), [] { err::raise(err::InvalidCall); });
        });
        ADD_FAILURE() << "nothing raised";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.source(), QStringLiteral("pFora"));
        EXPECT_EQ(e.description(), QStringLiteral("pDentro\r\n\r\nInvalid procedure call or argument"));
    }
}

}  // namespace
}  // namespace tvx::testing
