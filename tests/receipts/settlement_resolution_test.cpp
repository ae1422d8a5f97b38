#include "receipts/settlement_resolution.h"

#include "receipts/receipts_test_support.h"

namespace tvx {
namespace {

using testing::raised;

class SettlementResolution : public testing::CompanyDbTest {
protected:
    std::shared_ptr<VskDocKeys> resolve(const QString& fatura, const char* valor, const QString& conta = "C0001") {
        mensagem = QStringLiteral("stale");
        return pDocQueTipoRecibo(comandos, fatura, conta, Currency::parse(QString::fromUtf8(valor)), mensagem);
    }
    QString mensagem;
};

TEST_F(SettlementResolution, NothingToSettleWithoutReferences) {
    EXPECT_EQ(resolve(QString(), "10")->Count(), 0);
    EXPECT_EQ(mensagem, QString());
    EXPECT_EQ(resolve(QStringLiteral(" ; ;;  "), "10")->Count(), 0);
    EXPECT_EQ(mensagem, QString());
    EXPECT_TRUE(db->queries.isEmpty());
}

TEST_F(SettlementResolution, KeysComeInTextOrderOnlyWhenTheSignedTotalsMatchToTheCent) {
    factura("FT", 12, "100.00");
    factura("FT", 15, "50.00");
    const auto keys = resolve(QStringLiteral("FT-12-1-2024;FT-15-1-2024"), "150");
    ASSERT_EQ(keys->Count(), 2);
    EXPECT_EQ(keys->Item(Variant(std::int32_t(1)))->Numero(), 12);
    EXPECT_EQ(keys->Item(Variant("FT-15"))->Total(), Currency::fromLong(50));
    EXPECT_EQ(keys->Item(Variant(std::int32_t(2)))->Ano(), 2024);
    EXPECT_EQ(mensagem, QString());
    // The lookup names type, year, series and number in that order.
    EXPECT_TRUE(
        db->queries[0].contains(QStringLiteral("(TPDOC ='FT') AND (ANO=2024) AND (SERIE=1) AND (NNUMDOC=12 )")));

    EXPECT_EQ(resolve(QStringLiteral("FT-12-1-2024;FT-15-1-2024"), "150.01")->Count(), 0);
    EXPECT_EQ(mensagem, QString());  // a mismatch is no refusal

    // A credit note counts against the invoice it comes with.
    factura("NC", 3, "30.00", "C0001", 2);
    const auto comNota = resolve(QStringLiteral("FT-12-1-2024;NC-3-1-2024"), "70");
    ASSERT_EQ(comNota->Count(), 2);
    EXPECT_EQ(comNota->Item(Variant(std::int32_t(2)))->Total(), Currency::fromLong(-30));
    EXPECT_EQ(comNota->Item(Variant(std::int32_t(2)))->SinalCt(), 2);
    EXPECT_EQ(resolve(QStringLiteral("NC-3-1-2024"), "30")->Count(), 0);
}

TEST_F(SettlementResolution, TheFirstRefusalIsToldExactlyAndEmptiesTheResult) {
    factura("FT", 12, "100.00");
    factura("FT", 20, "80.00", "C0002");

    EXPECT_EQ(resolve(QStringLiteral("FT-12-1-2024;FT-12-1"), "100")->Count(), 0);
    EXPECT_EQ(mensagem, QStringLiteral("Um dos documentos a liquidar não está bem definido. FT-12-1"));
    EXPECT_EQ(resolve(QStringLiteral("FT-12-1-2024-9"), "100")->Count(), 0);
    EXPECT_EQ(mensagem, QStringLiteral("Um dos documentos a liquidar não está bem definido. FT-12-1-2024-9"));

    // The first invoice alone matches the amount; the refused second one still empties the result,
    // and the third is not looked at.
    db->queries.clear();
    EXPECT_EQ(resolve(QStringLiteral("FT-12-1-2024;FT-99-1-2024;FT-20-1-2024"), "100")->Count(), 0);
    EXPECT_EQ(mensagem, QStringLiteral("Um dos documentos a liquidar não Existe. FT-99-1-2024"));
    EXPECT_EQ(db->queries.size(), 2);

    EXPECT_EQ(resolve(QStringLiteral("FT-20-1-2024"), "80")->Count(), 0);
    EXPECT_EQ(mensagem, QStringLiteral("Um dos documentos a liquidar tem terceiro <C0002> diferente da "
                                       "transferência <C0001>. FT-20-1-2024"));
    // Customers compare exactly, and references are not trimmed.
    EXPECT_EQ(resolve(QStringLiteral("FT-12-1-2024"), "100", QStringLiteral("c0001"))->Count(), 0);
    EXPECT_TRUE(mensagem.contains(QStringLiteral("<C0001> diferente da transferência <c0001>")));
    EXPECT_EQ(resolve(QStringLiteral("FT-12-1-2024; FT-12-1-2024"), "200")->Count(), 0);
    EXPECT_EQ(mensagem, QStringLiteral("Um dos documentos a liquidar não Existe.  FT-12-1-2024"));
}

TEST_F(SettlementResolution, BadNumbersDuplicatesAndQueryFailuresAreErrorsOfTheProcedure) {
    factura("FT", 12, "100.00");
    const auto naoNumerico = raised([&] { resolve(QStringLiteral("FT-doze-1-2024"), "100"); });
    ASSERT_TRUE(naoNumerico);
    EXPECT_EQ(naoNumerico->number(), 13);
    EXPECT_EQ(naoNumerico->source(), QStringLiteral("pDocQueTipoRecibo"));

    const auto foraDeGama = raised([&] { resolve(QStringLiteral("FT-12-1-40000"), "100"); });
    ASSERT_TRUE(foraDeGama);
    EXPECT_EQ(foraDeGama->number(), 6);

    const auto duplicada = raised([&] { resolve(QStringLiteral("FT-12-1-2024;FT-12-1-2024"), "200"); });
    ASSERT_TRUE(duplicada);
    EXPECT_EQ(duplicada->number(), 457);
    EXPECT_EQ(duplicada->source(), QStringLiteral("pDocQueTipoRecibo"));
    // Found by the fatura fuzz target: another spelling of the number is the same invoice, not a second one.
    const auto outraGrafia = raised([&] { resolve(QStringLiteral("FT-012-1-2024;FT-12-1-2024"), "200"); });
    ASSERT_TRUE(outraGrafia);
    EXPECT_EQ(outraGrafia->number(), 457);

    db->falha.emplace(QStringLiteral("DOCGCCAB"), AutomationError(-2147217900, QStringLiteral("Invalid object name")));
    const auto consulta = raised([&] { resolve(QStringLiteral("FT-12-1-2024"), "100"); });
    ASSERT_TRUE(consulta);
    EXPECT_EQ(consulta->description(), QStringLiteral("Invalid object name"));
    EXPECT_EQ(consulta->source(), QStringLiteral("pDocQueTipoRecibo"));
}

}  // namespace
}  // namespace tvx
