// The sales view's hooks that do work, and the hooks' error messages.
#include "addin/solucao_fixture.h"

namespace tvx::testing {
namespace {

class ViewHooksTest : public SolucaoTest {
protected:
    ViewHooksTest() { EXPECT_TRUE(solucao().ConnectionOpen(QStringLiteral("EMPR01"), QStringLiteral("joao"))); }

    void abrir() {
        Variant pai, api(viewDocument(QStringLiteral("FT"), 1, 1, 2026)), empresa, user, cancel(false);
        solucao().OnVistaVendasAbrir(pai, api, empresa, user, cancel);
        EXPECT_EQ(cancel, Variant(false));
    }
    void fechar() {
        Variant api, empresa, user;
        solucao().OnVistaVendasFechar(api, empresa, user);
    }
    void gravar(Variant api) {
        Variant empresa, user;
        solucao().OnVistaVendasGravar(api, empresa, user);
    }
};

TEST_F(ViewHooksTest, TheSalesViewHoldsItsSourceOpen) {
    const QString bdnome = host.parametros->BDNOME;
    abrir();
    EXPECT_EQ(host.log.last(), QStringLiteral("Access#1.ConnectionOpen(%1,,)").arg(bdnome));
    abrir();  // a second open replaces the source object
    EXPECT_EQ(host.log.last(), QStringLiteral("Access#2.ConnectionOpen(%1,,)").arg(bdnome));
    fechar();
    EXPECT_EQ(host.log.last(), QStringLiteral("Access#2.ConnectionClose"));
    EXPECT_NE(estado().m_Origem, nullptr);  // kept, closed, until the next open
    EXPECT_TRUE(boxes().empty());
}

TEST_F(ViewHooksTest, ClosingIsSilentWhateverHappens) {
    fechar();  // never opened
    host.accessOpenError = AutomationError(-2147467259, QStringLiteral("Could not find file"));
    abrir();
    const auto shown = boxes().size();
    fechar();
    EXPECT_EQ(boxes().size(), shown);
}

TEST_F(ViewHooksTest, HookErrorsAreShownUnderTheHooksOwnNames) {
    host.accessOpenError = AutomationError(-2147467259, QStringLiteral("Could not find file 'agencia.accdb'."));
    abrir();
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].prompt, QStringLiteral("Erro Could not find file 'agencia.accdb'."));
    EXPECT_EQ(boxes()[0].title, QStringLiteral("OnVistaVendasAbrir"));
    EXPECT_EQ(boxes()[0].style, ui::vbExclamation);
    EXPECT_NE(estado().m_Origem, nullptr);  // an unopened source object

    // No parameters row: both hooks that read it say so under their names.
    host.parametros.reset();
    abrir();
    EXPECT_EQ(desktop->messages_.last().title, QStringLiteral("OnVistaVendasAbrir"));
    gravar(Variant(viewDocument(QStringLiteral("FT"), 7, 1, 2026)));
    EXPECT_EQ(desktop->messages_.last().title, QStringLiteral("OnVistaVendasGravar"));
    EXPECT_TRUE(desktop->messages_.last().prompt.startsWith(QStringLiteral("Erro ")));
    EXPECT_EQ(boxes().size(), 3u);

    // A view argument that is no document.
    host.parametros = Parametros{};
    gravar(Variant(QStringLiteral("FT")));
    EXPECT_EQ(desktop->messages_.last().prompt, QStringLiteral("Erro Type mismatch"));
    EXPECT_EQ(desktop->messages_.last().title, QStringLiteral("OnVistaVendasGravar"));
    EXPECT_TRUE(runs->log.isEmpty());
}

TEST_F(ViewHooksTest, SavingAnInvoiceOfTheImportsTypeStartsTheFollowUp) {
    host.parametros->FATTIPODOCUM = QStringLiteral("ft");
    gravar(Variant(viewDocument(QStringLiteral("FT"), 42, 3, 2026)));
    EXPECT_EQ(runs->log, QStringList{QStringLiteral("follow-up FT 42 3 2026")});

    runs->log.clear();
    gravar(Variant(viewDocument(QStringLiteral("NC"), 43, 3, 2026)));
    const int reads = logCount(QStringLiteral("FROM qrl_PARAMETROS"));
    gravar(Variant());             // no document
    gravar(Variant(ObjectRef()));  // Nothing
    EXPECT_EQ(logCount(QStringLiteral("FROM qrl_PARAMETROS")), reads);
    EXPECT_TRUE(runs->log.isEmpty());
    EXPECT_TRUE(boxes().empty());
}

}  // namespace
}  // namespace tvx::testing
