// Solucao called by name, as a late-binding host calls it.
#include "addin/dispatch.h"
#include "addin/solucao_fixture.h"
#include "platform/automation/conversions.h"

namespace tvx::testing {
namespace {

const QStringList Interface = {
    "ConnectionOpen", "ConnectionClose", "ConnectionValidate", "Operacoes",
    "OnVistaComprasAbrir", "OnVistaComprasAntesAbrir", "OnVistaComprasAntesDeAnular", "OnVistaComprasAntesDeFechar",
    "OnVistaComprasAntesDeGravar", "OnVistaComprasAnular", "OnVistaComprasFechar", "OnVistaComprasGravar",
    "OnVistaComprasLer", "OnVistaComprasLimpar", "OnVistaComprasOperacao", "OnVistaComprasValidarLinha",
    "OnVistaComprasCampoCabecalhoValidar", "OnVistaComprasCampoLinhasValidar", "OnVistaVendasAbrir",
    "OnVistaVendasAntesAbrir", "OnVistaVendasAntesDeAnular", "OnVistaVendasAntesDeFechar",
    "OnVistaVendasAntesDeGravar", "OnVistaVendasAnular", "OnVistaVendasFechar", "OnVistaVendasGravar",
    "OnVistaVendasLer", "OnVistaVendasLimpar", "OnVistaVendasOperacao", "OnVistaVendasValidarLinha",
    "OnVistaVendasCampoCabecalhoValidar", "OnVistaVendasCampoLinhasValidar",
};

// Argument counts of the hooks, by the shape of their lists.
int hookArity(const QString& hook) {
    if (hook.endsWith(QStringLiteral("Operacao")) || hook == QStringLiteral("OnVistaVendasAbrir")) return 5;
    for (const char* three : {"Anular", "Fechar", "Gravar", "Ler", "Limpar"})
        if (hook.endsWith(QLatin1String(three)) && !hook.contains(QStringLiteral("Antes"))) return 3;
    return 4;
}

Variant invoke(Dispatch& d, const QString& name, std::vector<Variant> args) { return d.Invoke(name, args); }

TEST_F(SolucaoTest, TheInterfaceInItsFixedOrder) {
    EXPECT_EQ(solucao().memberNames(), Interface);
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
    for (const QString& hook : Interface.mid(4)) {
        std::vector<Variant> hookArgs(std::size_t(hookArity(hook)));
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
