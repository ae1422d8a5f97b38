// What a commercial document's checks see: the catalogue as it is at each
// check (changed through the host's own connection or another one), and the
// document as the caller last left it, even between Validar and Inserir.
#include "host_erp/documents_fixture.h"

namespace tvx::host_erp {
namespace {

using namespace host_erp::testing;

class DocumentChecksTest : public DocumentsFixture {
protected:
    std::unique_ptr<sql::Connection> otherConnection() const {
        return sql::Connection::openSqlite(companyFile(), std::make_shared<sql::NativeDialect>());
    }
};

TEST_F(DocumentChecksTest, ChecksSeeTheCatalogueAsItIsNow) {
    auto doc = buildInvoice();
    ASSERT_EQ(doc->Validar(), 0) << doc->UltimaMensagem().toStdString();

    ligacao->Executar(QString(), QStringLiteral("UPDATE CLIENTES SET ACTIVO = 0 WHERE CODIGO = N'C0001'"));
    EXPECT_EQ(doc->Inserir(), 1);
    EXPECT_EQ(doc->UltimaMensagem(), QStringLiteral("O cliente 'C0001' está inactivo."));

    otherConnection()->Execute(QStringLiteral("UPDATE CLIENTES SET ACTIVO = 1 WHERE CODIGO = 'C0001'"));
    EXPECT_EQ(doc->Validar(), 0) << doc->UltimaMensagem().toStdString();
    otherConnection()->Execute(QStringLiteral("UPDATE ARTIGOS SET ACTIVO = 0 WHERE CODIGO = 'FEE'"));
    EXPECT_EQ(doc->Inserir(), 1);
    EXPECT_EQ(doc->UltimaMensagem(), QStringLiteral("O artigo 'FEE' da linha 3 está inactivo."));

    // The suggestions read the catalogue afresh too.
    otherConnection()->Execute(
        QStringLiteral("UPDATE ARTIGOS SET ACTIVO = 1, NOME = 'Taxa nova' WHERE CODIGO = 'FEE'"));
    auto line = api->LinhaDocComercial();
    line->Artigo(QStringLiteral("FEE"));
    doc->SugereValoresLin(line, false, true, false, false, false, false, false);
    EXPECT_EQ(line->Descricao(), Variant(QStringLiteral("Taxa nova")));
    EXPECT_EQ(doc->Inserir(), 0) << doc->UltimaMensagem().toStdString();
}

TEST_F(DocumentChecksTest, InserirChecksAgainWhatChangedAfterValidar) {
    auto doc = buildInvoice();
    auto extra = api->LinhaDocComercial();
    extra->TipoDeLinha(std::int16_t(1));
    extra->Artigo(QStringLiteral("FEE"));
    extra->Armazem(QStringLiteral("A1"));
    doc->SugereValoresLin(extra, false, true, true, false, true, false, true);
    extra->PrecoUnitario(5.0);
    ASSERT_EQ(doc->AdicionaLinha(extra), 0);
    ASSERT_EQ(doc->Validar(), 0) << doc->UltimaMensagem().toStdString();

    extra->PrecoUnitario(-5.0);  // a line the caller still holds
    EXPECT_EQ(doc->Inserir(), 1);
    EXPECT_EQ(doc->UltimaMensagem(), QStringLiteral("O preço da linha 5 não pode ser negativo."));
    extra->PrecoUnitario(5.0);
    ASSERT_EQ(doc->Validar(), 0) << doc->UltimaMensagem().toStdString();
    doc->Cab()->Terceiro(QStringLiteral("C0999"));
    EXPECT_EQ(doc->Inserir(), 1);
    EXPECT_EQ(doc->UltimaMensagem(), QStringLiteral("O cliente 'C0999' não existe."));
    doc->Cab()->Terceiro(QStringLiteral("C0002"));
    ASSERT_EQ(doc->Inserir(), 0) << doc->UltimaMensagem().toStdString();

    // The stored document is the one last checked: its customer and five lines.
    const auto header = addinLookup({QStringLiteral("FT"), 1, 1, 2024});
    ASSERT_EQ(header->RecordCount(), 1);
    EXPECT_EQ(header->value(QStringLiteral("Terceiro")), Variant(QStringLiteral("C0002")));
    EXPECT_EQ(consultar(QStringLiteral("SELECT COUNT(*) FROM DOCGCLIN"))->value(0), Variant(5));
}

}  // namespace
}  // namespace tvx::host_erp
