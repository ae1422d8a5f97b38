#include "settings/dal_comandos.h"

#include "support/recording_dal_ligacao.h"

#include <gtest/gtest.h>

#include <functional>

namespace tvx {
namespace {

using testing::RecordingDalLigacao;

class DalComandosTest : public ::testing::Test {
protected:
    DalComandos comandos;
    void SetUp() override {
        ligacao = std::make_shared<RecordingDalLigacao>();
        comandos.HlpDb_LigacaoSet(ligacao);
    }

    // The one query the helper sent, checked for the connection's fixed arguments.
    QString onlyQuery() {
        EXPECT_EQ(ligacao->calls.size(), 1u);
        if (ligacao->calls.empty()) return {};
        const auto& call = ligacao->calls.front();
        EXPECT_EQ(call.metodo, QStringLiteral("Consultar"));
        EXPECT_EQ(call.chave, QString());
        EXPECT_EQ(call.cursor, -1);
        EXPECT_EQ(call.opcoes, 0);
        return call.sql;
    }

    std::shared_ptr<RecordingDalLigacao> ligacao;
};

// Runs `helper` and returns the error it raised (fails when it raised none).
AutomationError raisedBy(const std::function<void()>& helper) {
    try {
        helper();
    } catch (const AutomationError& e) {
        return e;
    }
    ADD_FAILURE() << "no error was raised";
    return AutomationError(0, {});
}

const QString ExpectedCreate = QStringLiteral(
    "CREATE TABLE [qrl_PARAMETROS]\r\n"
    " (   \r\n"
    "    [ID]                     [int] IDENTITY(1,1) NOT NULL, \r\n"
    "    [FATTIPODOCUM]           [nvarchar](3)       NOT NULL, \r\n"
    "    [FATSECTOR]              [nvarchar](3)       NOT NULL, \r\n"
    "    [FATSERIE]               [int]               NOT NULL, \r\n"
    "    [FATFINALIZA]            [int]               NOT NULL, \r\n"
    "    [ARMAZEM]                [nvarchar](6)       NOT NULL, \r\n"
    "    [ARTIGOFARE]             [nvarchar](15)      NOT NULL, \r\n"
    "    [ARTIGOTAXAS]            [nvarchar](15)      NOT NULL, \r\n"
    "    [ARTIGOSERVICEFEE]       [nvarchar](15)      NOT NULL, \r\n"
    "    [ARTIGOISENCAOIVA]       [nvarchar](3)       NOT NULL, \r\n"
    "    [BDNOME]                 [nvarchar](1000)    NOT NULL, \r\n"
    "    [BDUSER]                 [nvarchar](255)     NOT NULL, \r\n"
    "    [BDPASSW]                [nvarchar](255)     NOT NULL, \r\n"
    "    [RECTIPODOCUM]           [nvarchar](3)       NOT NULL, \r\n"
    "    [RECSECTOR]              [nvarchar](3)       NOT NULL, \r\n"
    "    [RECSERIE]               [int]               NOT NULL, \r\n"
    "    [RPCTIPODOCUM]           [nvarchar](3)       NOT NULL, \r\n"
    "    [RPCSECTOR]              [nvarchar](3)       NOT NULL, \r\n"
    "    [RPCSERIE]               [int]               NOT NULL, \r\n"
    "    [RECEBMODPAG]           [nvarchar](3)            NULL, \r\n"
    " CONSTRAINT [PK_qrl_PARAMETROS] PRIMARY KEY CLUSTERED \r\n"
    "     ( \r\n"
    "         [ID] Asc \r\n"
    "     )WITH (PAD_INDEX  = OFF, STATISTICS_NORECOMPUTE  = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS  = ON, "
    "ALLOW_PAGE_LOCKS  = ON) ON [PRIMARY] \r\n"
    " ) ON [PRIMARY] \r\n");

TEST_F(DalComandosTest, ParametrosCreateTestsForTheTableAndCreatesItOnlyWhenMissing) {
    comandos.HlpDb_ParametrosCreate();
    ASSERT_EQ(ligacao->calls.size(), 2u);
    EXPECT_EQ(ligacao->calls[0].metodo, QStringLiteral("Consultar"));
    EXPECT_EQ(ligacao->calls[0].sql,
              QStringLiteral("SELECT * FROM sys.objects WHERE object_id = OBJECT_ID(N'[dbo].[qrl_PARAMETROS]') AND "
                             "type in (N'U')\r\n"));
    EXPECT_EQ(ligacao->calls[1].metodo, QStringLiteral("Executar"));
    EXPECT_EQ(ligacao->calls[1].chave, QString());
    EXPECT_EQ(ligacao->calls[1].sql, ExpectedCreate);

    ligacao->calls.clear();
    ligacao->resultados.push_back(RecordingDalLigacao::recordsetWithRows(1));
    comandos.HlpDb_ParametrosCreate();
    EXPECT_EQ(ligacao->calls.size(), 1u);  // the table is there: nothing is run

    ligacao->falha =
        AutomationError(-2147217900, QStringLiteral("CREATE TABLE permission denied"), QStringLiteral("db"));
    const auto e = raisedBy([&] { comandos.HlpDb_ParametrosCreate(); });
    EXPECT_EQ(e.number(), -2147217900);
    EXPECT_EQ(e.description(), QStringLiteral("CREATE TABLE permission denied"));
    EXPECT_EQ(e.source(), QStringLiteral("Comandos::HlpDb_ParametrosCreate"));
}

TEST_F(DalComandosTest, ParametrosGetAndSaveUseTheReadsSourceAndHandBackTheWrittenSet) {
    const auto row = RecordingDalLigacao::recordsetWithRows(1);
    ligacao->resultados.push_back(row);
    EXPECT_EQ(comandos.HlpDb_ParametrosGet(), row);
    EXPECT_EQ(onlyQuery(), QStringLiteral("SELECT TOP(1) * FROM qrl_PARAMETROS \r\n"));

    ligacao->calls.clear();
    ligacao->gravado = RecordingDalLigacao::recordsetWithRows(1);
    auto rs = row;
    comandos.HlpDb_ParametrosSave(rs);
    ASSERT_EQ(ligacao->calls.size(), 1u);
    EXPECT_EQ(ligacao->calls[0].metodo, QStringLiteral("Gravar"));
    EXPECT_EQ(ligacao->calls[0].rs, row);
    EXPECT_EQ(rs, ligacao->gravado);

    ligacao->falha = AutomationError(5, QStringLiteral("String or binary data would be truncated."));
    auto kept = row;
    const auto e = raisedBy([&] { comandos.HlpDb_ParametrosSave(kept); });
    EXPECT_EQ(e.source(), QStringLiteral("Comandos::HlpDb_ParametrosGet"));
    EXPECT_EQ(e.description(), QStringLiteral("String or binary data would be truncated."));
    EXPECT_EQ(kept, row);  // a failed save leaves the caller's record set alone
}

struct ListaHelper {
    const char* name;
    DalComandos::RecordsetRef (DalComandos::*fn)(const QString&, const QString&);
    const char* select;
    const char* from;
};

TEST_F(DalComandosTest, ListHelpersComposeSelectFromWhereAndOrderExactly) {
    const ListaHelper helpers[] = {
        {"HlpDb_ArmazensGet", &DalComandos::HlpDb_ArmazensGet, "SELECT   * ", "FROM     ARMAZENS "},
        {"HlpDb_ArtigosReduzidoGet", &DalComandos::HlpDb_ArtigosReduzidoGet, "SELECT   CODIGO, NOME ",
         "FROM     ARTIGOS "},
        {"HlpDb_TiposDocumentosGet", &DalComandos::HlpDb_TiposDocumentosGet, "SELECT   * ", "FROM     TPDOC "},
        {"HlpDb_SectoresGet", &DalComandos::HlpDb_SectoresGet, "SELECT   * ", "FROM     SECTORES "},
        {"HlpDb_SeriesGet", &DalComandos::HlpDb_SeriesGet, "SELECT   * ", "FROM     NOMSERIE "},
        {"HlpDb_MotIsencaoIvaGet", &DalComandos::HlpDb_MotIsencaoIvaGet, "SELECT   * ", "FROM     MOTIVO_ISENCAO_IVA "},
    };
    for (const auto& h : helpers) {
        SCOPED_TRACE(h.name);
        const QString base = QString::fromUtf8(h.select) + QString::fromUtf8(h.from);
        const struct {
            QString where, order, expected;
        } cases[] = {
            {{}, {}, base},
            {QStringLiteral("CODIGO='A' "), {}, base + QStringLiteral("WHERE   CODIGO='A' ")},
            {{}, QStringLiteral("NOME"), base + QStringLiteral("ORDER BY   NOME")},
            // nothing goes between the two: the caller's where text ends with its own space
            {QStringLiteral("X=1"), QStringLiteral("Y"), base + QStringLiteral("WHERE   X=1ORDER BY   Y")},
        };
        for (const auto& c : cases) {
            ligacao->calls.clear();
            (comandos.*h.fn)(c.where, c.order);
            EXPECT_EQ(onlyQuery(), c.expected);
        }

        ligacao->falha = AutomationError(-2147217900, QStringLiteral("Invalid column name 'X'."), QStringLiteral("db"));
        const auto e = raisedBy([&] { (comandos.*h.fn)(QStringLiteral("X=1"), {}); });
        EXPECT_EQ(e.number(), -2147217900);
        EXPECT_EQ(e.description(), QStringLiteral("Invalid column name 'X'."));
        EXPECT_EQ(e.source(), QStringLiteral("Comandos::") + QString::fromUtf8(h.name));
        ligacao->falha.reset();
    }
}

TEST_F(DalComandosTest, KeyLookupsComposeTheirTextsAndDoubleQuotesInValues) {
    comandos.HlpDb_ClienteByCod(QStringLiteral("C001"));
    EXPECT_EQ(onlyQuery(),
              QStringLiteral("SELECT       *  \r\nFROM         CLIENTES \r\nWHERE        (CODIGO='C001') \r\n"));

    ligacao->calls.clear();
    comandos.HlpDb_ClienteByCod(QStringLiteral("O'NEIL"));
    EXPECT_EQ(onlyQuery(),
              QStringLiteral("SELECT       *  \r\nFROM         CLIENTES \r\nWHERE        (CODIGO='O''NEIL') \r\n"));

    ligacao->calls.clear();
    comandos.HlpDb_DocGcCabByKeyGet(QStringLiteral("FT"), 123, 2021, 1);
    EXPECT_EQ(onlyQuery(), QStringLiteral("SELECT     * FROM DOCGCCAB WHERE (TPDOC ='FT') AND (ANO=2021) AND (SERIE=1) "
                                          "AND (NNUMDOC=123 )  \r\n"));

    ligacao->calls.clear();
    comandos.HlpDb_DocGcCabByKeyGet(QStringLiteral("N'C"), -2147483647 - 1, -5, 32767);
    EXPECT_EQ(onlyQuery(), QStringLiteral("SELECT     * FROM DOCGCCAB WHERE (TPDOC ='N''C') AND (ANO=-5) AND "
                                          "(SERIE=32767) AND (NNUMDOC=-2147483648 )  \r\n"));

    ligacao->falha = AutomationError(3709, QStringLiteral("closed"));
    EXPECT_EQ(raisedBy([&] { comandos.HlpDb_ClienteByCod(QStringLiteral("X")); }).source(),
              QStringLiteral("Comandos::HlpDb_ClienteByCod"));
    EXPECT_EQ(raisedBy([&] { comandos.HlpDb_DocGcCabByKeyGet(QStringLiteral("FT"), 1, 1, 1); }).source(),
              QStringLiteral("Comandos::HlpDb_DocGcCabByKeyGet"));
}

TEST_F(DalComandosTest, ExecutarPassesTextAnswerAndErrorsThroughUnchanged) {
    ligacao->resposta = 42;
    EXPECT_EQ(comandos.HlpDb_Executar(QStringLiteral("DELETE FROM X")), 42);
    ASSERT_EQ(ligacao->calls.size(), 1u);
    EXPECT_EQ(ligacao->calls[0].sql, QStringLiteral("DELETE FROM X"));
    EXPECT_EQ(ligacao->calls[0].chave, QString());

    ligacao->falha = AutomationError(-2147217900, QStringLiteral("Incorrect syntax"), QStringLiteral("OLE DB"));
    const auto e = raisedBy([&] { comandos.HlpDb_Executar(QStringLiteral("BAD")); });
    EXPECT_EQ(e.source(), QStringLiteral("OLE DB"));
}

TEST_F(DalComandosTest, WithoutAConnectionHelpersFailThroughTheirOwnHandling) {
    comandos.HlpDb_LigacaoSet(nullptr);
    const auto get = raisedBy([&] { comandos.HlpDb_ParametrosGet(); });
    EXPECT_EQ(get.number(), err::ObjectNotSet);
    EXPECT_EQ(get.source(), QStringLiteral("Comandos::HlpDb_ParametrosGet"));
    EXPECT_EQ(raisedBy([&] { comandos.HlpDb_SeriesGet({}, {}); }).source(),
              QStringLiteral("Comandos::HlpDb_SeriesGet"));
    EXPECT_EQ(raisedBy([&] { comandos.HlpDb_Executar(QStringLiteral("X")); }).number(), err::ObjectNotSet);
}

TEST(DalComandosDiagnostico, CreatesAnEmptyOpenLogWithTheFiveFieldsInOrder) {
    const auto rs = DalComandos::HlpDb_DiagnosticoCreate();
    ASSERT_TRUE(rs);
    EXPECT_EQ(rs->State(), ado::adStateOpen);
    EXPECT_EQ(rs->RecordCount(), 0);
    EXPECT_TRUE(rs->Source().isEmpty());
    const struct {
        const char* name;
        int type, size;
    } expected[] = {{"Linha", ado::adInteger, 4},
                    {"Num.Cliente", ado::adVarChar, 15},
                    {"Estado", ado::adVarChar, 15},
                    {"Documento", ado::adInteger, 4},
                    {"Descrição", ado::adVarChar, 255}};
    ASSERT_EQ(rs->Fields().Count(), 5);
    for (int i = 0; i < 5; ++i) {
        const auto f = rs->Fields().Item(i);
        EXPECT_EQ(f.Name(), QString::fromUtf8(expected[i].name));
        EXPECT_EQ(int(f.Type()), expected[i].type);
        EXPECT_EQ(f.DefinedSize(), expected[i].size) << expected[i].name;
    }
    // Each call gives a new log.
    EXPECT_NE(DalComandos::HlpDb_DiagnosticoCreate(), rs);
}

}  // namespace
}  // namespace tvx
