#include "host_erp/sales_view.h"
#include "host_erp/documents_fixture.h"

namespace tvx::host_erp {
namespace {

using namespace host_erp::testing;

class SalesViewTest : public DocumentsFixture {};

TEST_F(SalesViewTest, FinalisesAnInvoiceAndHandsTheSavedDocumentToTheHooks) {
    storeInvoice();
    storeInvoice();
    storeInvoice({}, true);  // preparation 3 becomes final 1
    SalesView view(api);
    const auto waiting = view.emPreparacao(QStringLiteral("FT"));
    ASSERT_EQ(waiting.size(), 2u);
    EXPECT_EQ(waiting[0].numero, 1);
    EXPECT_EQ(waiting[1].numero, 2);
    EXPECT_TRUE(view.emPreparacao(QStringLiteral("NC")).empty());

    // What the add-in's save hook reads: the header's identity, and the checks it makes after reading it again.
    QStringList seen;
    view.onSave([&](std::shared_ptr<DocComercial>& oApi) {
        auto cab = oApi->Cab();
        seen << QStringLiteral("%1 %2/%3/%4")
                    .arg(CStr(cab->TipoDocumento()), CStr(cab->NossoNoDocumento()), CStr(cab->Serie()),
                         CStr(cab->Ano()));
        auto again = api->DocComercial();
        Variant t(cab->TipoDocumento()), n(CLng(cab->NossoNoDocumento())), s(CInt(cab->Serie())), a(CInt(cab->Ano()));
        EXPECT_EQ(again->Ler(t, n, s, a), 0);
        EXPECT_EQ(again->IsSerieAssinada(), Variant(true));
        EXPECT_EQ(again->IsDocumentoCertificacao(), Variant(true));
        EXPECT_EQ(again->EmPreparacao(), Variant(false));
        EXPECT_EQ(again->Cab()->VossoNoDocumento(), Variant(QStringLiteral("REF-1")));
    });
    // Preparation 1 shares its number with final 1: the view still finalises the one in preparation.
    ASSERT_EQ(view.finalizar(waiting[0]), 0) << view.ultimaMensagem().toStdString();
    EXPECT_EQ(seen, QStringList{QStringLiteral("FT 2/1/2024")});

    // The before-save hook may cancel; a refused finalisation reaches no hook.
    view.onBeforeSave([](std::shared_ptr<DocComercial>& oApi, bool& cancel) {
        cancel = oApi->Cab()->NossoNoDocumento() == Variant(std::int32_t(2));
    });
    EXPECT_EQ(view.finalizar(waiting[1]), 1);
    EXPECT_EQ(view.ultimaMensagem(), QStringLiteral("A gravação do documento FT 2/1/2024 foi cancelada."));
    EXPECT_EQ(view.finalizar(waiting[0]), 1);
    EXPECT_EQ(view.ultimaMensagem(), QStringLiteral("O documento FT 1/1/2024 não existe em preparação."));
    EXPECT_EQ(seen.size(), 1);
    EXPECT_EQ(view.emPreparacao().size(), 1u);
}

TEST_F(SalesViewTest, SessionFactoriesGiveNewEmptyObjectsOnlyToALoggedOnSession) {
    auto first = api->DocComercial();
    first->Cab()->TipoDocumento(QStringLiteral("FT"));
    auto second = api->DocComercial();
    EXPECT_NE(first, second);
    EXPECT_TRUE(second->Cab()->TipoDocumento().isEmpty());
    EXPECT_NE(api->LinhaDocFinanceiro(), api->LinhaDocFinanceiro());
    EXPECT_TRUE(api->DocFinanceiro()->Cab()->NumeroDocumento().isEmpty());

    api->Terminar();
    EXPECT_THROW(api->DocFinanceiro(), AutomationError);
    EXPECT_THROW(api->LinhaDocComercial(), AutomationError);
    // A document made before the session ended can no longer reach the company.
    Variant t(QStringLiteral("FT")), n(std::int32_t(1)), s(std::int16_t(1)), a(std::int16_t(2024));
    EXPECT_THROW(first->Ler(t, n, s, a), AutomationError);
}

}  // namespace
}  // namespace tvx::host_erp
