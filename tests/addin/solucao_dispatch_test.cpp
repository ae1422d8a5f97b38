// Solucao called by name, as a late-binding host calls it.
#include "addin/solucao_fixture.h"
#include "addin/view_hook_list.h"
#include "platform/automation/conversions.h"
#include "platform/automation/dispatch.h"

namespace tvx::testing {
namespace {

// The interface as the hook list gives it, each hook with its argument count.
constexpr int Arity_A3 = 3, Arity_A4 = 4, Arity_C4 = 4, Arity_P5 = 5;
struct Hook {
    QString name;
    int arity;
};
const std::vector<Hook> Hooks = {
#define TVX_HOOK(name, params, work) {QStringLiteral(#name), Arity_##params},
    TVX_VIEW_HOOKS(TVX_HOOK)
#undef TVX_HOOK
};

QStringList interfaceNames() {
    QStringList names = {"ConnectionOpen", "ConnectionClose", "ConnectionValidate", "Operacoes"};
    for (const Hook& h : Hooks) names << h.name;
    return names;
}

Variant invoke(Dispatch& d, const QString& name, std::vector<Variant> args) { return d.Invoke(name, args); }

TEST_F(SolucaoTest, TheInterfaceInItsFixedOrder) {
    const QStringList names = solucao().memberNames();
    EXPECT_EQ(names, interfaceNames());
    // The host's fixed points: 4 entries, 14 purchase-view hooks, 14 sales-view hooks.
    ASSERT_EQ(names.size(), 32);
    EXPECT_EQ(names[4], QStringLiteral("OnVistaComprasAbrir"));
    EXPECT_EQ(names[17], QStringLiteral("OnVistaComprasCampoLinhasValidar"));
    EXPECT_EQ(names[18], QStringLiteral("OnVistaVendasAbrir"));
    EXPECT_EQ(names[31], QStringLiteral("OnVistaVendasCampoLinhasValidar"));
    EXPECT_EQ(Hooks[14].arity, 5);  // the sales view's open takes vPai, the purchase view's does not
    EXPECT_EQ(Hooks[0].arity, 4);
}

TEST_F(SolucaoTest, MembersCalledByNameWithVariantArguments) {
    Dispatch& d = solucao();
    const Variant opened = invoke(d, QStringLiteral("connectionopen"), {Variant("EMPR01"), Variant("joao")});
    EXPECT_EQ(opened.type(), VarType::Boolean);
    EXPECT_EQ(CInt(opened), -1);  // an automation True
    EXPECT_EQ(estado().m_sEmpresa, QStringLiteral("EMPR01"));
    EXPECT_EQ(CInt(invoke(d, QStringLiteral("ConnectionValidate"), {Variant("EMPR01"), Variant("joao")})), -1);

    std::vector<Variant> args{Variant(), Variant(std::int32_t(1003)), Variant("joao")};
    EXPECT_TRUE(d.Invoke(QStringLiteral("Operacoes"), args).isEmpty());
    EXPECT_EQ(runs->log, QStringList{QStringLiteral("transfers")});

    // Every hook takes its own list, leaves its arguments alone, and shows nothing here.
    for (const Hook& h : Hooks) {
        const QString& hook = h.name;
        std::vector<Variant> hookArgs(std::size_t(h.arity));
        hookArgs.back() = Variant(false);  // vCancel, vOperacao or vUtilizador
        const std::vector<Variant> before = hookArgs;
        EXPECT_TRUE(d.Invoke(hook, hookArgs).isEmpty()) << hook.toStdString();
        EXPECT_EQ(hookArgs, before) << hook.toStdString();
    }
    EXPECT_TRUE(boxes().empty());

    host.abrirAnswer = false;
    EXPECT_EQ(CInt(invoke(d, QStringLiteral("ConnectionValidate"), {Variant("EMPR02"), Variant("joao")})), 0);
    EXPECT_EQ(CInt(invoke(d, QStringLiteral("ConnectionClose"), {})), -1);
}

TEST_F(SolucaoTest, WrongNamesAndArgumentCountsAreTheCallersErrors) {
    Dispatch& d = solucao();
    try {
        invoke(d, QStringLiteral("ConnectionReopen"), {});
        ADD_FAILURE() << "unknown member accepted";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), err::MemberNotFound);
    }
    for (const auto& [name, count] : {std::pair{"OnVistaVendasAbrir", 4}, std::pair{"OnVistaComprasAbrir", 5},
                                      std::pair{"ConnectionOpen", 1}, std::pair{"ConnectionClose", 1}}) {
        try {
            invoke(d, QString::fromLatin1(name), std::vector<Variant>(std::size_t(count)));
            ADD_FAILURE() << name << " accepted " << count << " arguments";
        } catch (const AutomationError& e) {
            EXPECT_EQ(e.number(), err::WrongArgumentCount) << name;
        }
    }
    EXPECT_TRUE(host.log.filter(QStringLiteral("Abrir")).isEmpty());
}

}  // namespace
}  // namespace tvx::testing
