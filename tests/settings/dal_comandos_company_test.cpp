// The database helpers against a generated stand-in company database.
#include "settings/dal_comandos.h"

#include "host_api/dal_ligacao.h"
#include "host_api/host_classes.h"
#include "host_erp/host_fixture.h"
#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "platform/automation/class_registry.h"

namespace tvx {
namespace {

class DalComandosCompanyTest : public host_erp::testing::HostFixture {
protected:
    DalComandos comandos;
    void SetUp() override {
        HostFixture::SetUp();
        auto ligacao = std::dynamic_pointer_cast<DalLigacao>(registry::create(host_classes::DalLigacao));
        ASSERT_TRUE(ligacao && ligacao->Abrir(addinConnectionString()));
        comandos.HlpDb_LigacaoSet(ligacao);
    }
};

TEST_F(DalComandosCompanyTest, ParametersTableIsCreatedOnceThenWrittenAndReadBack) {
    comandos.HlpDb_ParametrosCreate();
    comandos.HlpDb_ParametrosCreate();  // finds it: nothing is run
    DalComandos::RecordsetRef rs = comandos.HlpDb_ParametrosGet();
    ASSERT_EQ(rs->RecordCount(), 0);

    rs->AddNew();
    const QString bdNome = QString(1000, u'p');
    for (const char* f : {"FATTIPODOCUM", "RECTIPODOCUM", "RPCTIPODOCUM"})
        rs->setValue(QLatin1String(f), Variant("FT"));
    for (const char* f : {"FATSECTOR", "RECSECTOR", "RPCSECTOR", "ARTIGOISENCAOIVA"})
        rs->setValue(QLatin1String(f), Variant("1"));
    for (const char* f : {"FATSERIE", "FATFINALIZA", "RECSERIE", "RPCSERIE"})
        rs->setValue(QLatin1String(f), Variant(std::int32_t(1)));
    for (const char* f : {"ARMAZEM", "ARTIGOFARE", "ARTIGOTAXAS", "ARTIGOSERVICEFEE", "BDUSER", "BDPASSW"})
        rs->setValue(QLatin1String(f), Variant("x"));
    rs->setValue(QStringLiteral("BDNOME"), Variant(bdNome));
    comandos.HlpDb_ParametrosSave(rs);

    const DalComandos::RecordsetRef lido = comandos.HlpDb_ParametrosGet();
    ASSERT_EQ(lido->RecordCount(), 1);
    EXPECT_EQ(lido->value(QStringLiteral("BDNOME")), Variant(bdNome));
    EXPECT_TRUE(lido->value(QStringLiteral("RECEBMODPAG")).isNull());
}

TEST_F(DalComandosCompanyTest, CatalogueQueriesAndKeyLookupsRunOnTheCompanyDatabase) {
    const DalComandos::RecordsetRef tipos = comandos.HlpDb_TiposDocumentosGet({}, QStringLiteral("CODIGO"));
    EXPECT_GE(tipos->RecordCount(), 4);
    EXPECT_GE(comandos.HlpDb_SeriesGet(QStringLiteral("TIPODOC='FT' "), QStringLiteral("SERIE"))->RecordCount(), 1);
    EXPECT_EQ(comandos.HlpDb_SeriesGet(QStringLiteral("TIPODOC='XX' "), {})->RecordCount(), 0);
    EXPECT_EQ(comandos.HlpDb_MotIsencaoIvaGet(QStringLiteral("CODIGO='M99' "), {})->RecordCount(), 1);
    EXPECT_GE(comandos.HlpDb_ArmazensGet({}, QStringLiteral("CODIGO"))->RecordCount(), 1);
    EXPECT_GE(comandos.HlpDb_SectoresGet({}, {})->RecordCount(), 1);
    EXPECT_EQ(comandos.HlpDb_ArtigosReduzidoGet({}, QStringLiteral("NOME"))->Fields().Count(), 2);

    EXPECT_EQ(comandos.HlpDb_ClienteByCod(host_erp::demoCustomerCode(1))->RecordCount(), 1);
    // A code with an apostrophe finds its own row instead of breaking the query.
    comandos.HlpDb_Executar(QStringLiteral("INSERT INTO CLIENTES (CODIGO, NOME) VALUES ('D''ARC', 'Joana')"));
    const DalComandos::RecordsetRef darc = comandos.HlpDb_ClienteByCod(QStringLiteral("D'ARC"));
    ASSERT_EQ(darc->RecordCount(), 1);
    EXPECT_EQ(darc->value(QStringLiteral("NOME")), Variant("Joana"));
    EXPECT_EQ(comandos.HlpDb_DocGcCabByKeyGet(QStringLiteral("FT"), 123, 2021, 1)->RecordCount(), 0);

    try {
        comandos.HlpDb_SeriesGet(QStringLiteral("NAO_EXISTE=1"), {});
        ADD_FAILURE() << "an unknown column must fail";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.source(), QStringLiteral("Comandos::HlpDb_SeriesGet"));
    }
}

}  // namespace
}  // namespace tvx
