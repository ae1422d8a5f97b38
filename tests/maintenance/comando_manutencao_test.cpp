#include "maintenance/comando_manutencao.h"

#include "platform/automation/automation_error.h"

#include <gtest/gtest.h>

namespace tvx {
namespace {

struct Caso {
    const char* texto;
    bool remover;
    bool script;
    const char* tipo = "";
    std::int16_t ano = 0;
    std::int32_t prim = 0;
    std::int32_t ult = 0;
};

TEST(ComandoManutencao, ARemovalIsFourPartsAtSingleSpacesAndTheKeywordIsTrimmedAnyCase) {
    const Caso casos[] = {
        {"RE 2026 15 20", true, false, "RE", 2026, 15, 20},
        {"re 2026 15 20 e o resto", true, false, "re", 2026, 15, 20},  // typed case kept, the rest ignored
        {"RE -1 2147483647 -2147483648", true, false, "RE", -1, 2147483647, -2147483647 - 1},
        {"RE 2026 15", false, false},
        {"   ", false, false},
        {"", false, false},
        {"  zUnK ", false, true},
        {"ZUNK 2026 15 20", true, false, "ZUNK", 2026, 15, 20},
        {"ZUNK agora", false, false},
        {"sa", false, false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.texto);
        ComandoManutencao comando(QString::fromUtf8(c.texto));
        QString tipo;
        std::int16_t ano = 0;
        std::int32_t prim = 0, ult = 0;
        EXPECT_EQ(comando.RemoverRecibos(tipo, ano, prim, ult), c.remover);
        EXPECT_EQ(comando.ScriptPedido(), c.script);
        if (!c.remover) continue;
        EXPECT_EQ(tipo, QString::fromUtf8(c.tipo));
        EXPECT_EQ(ano, c.ano);
        EXPECT_EQ(prim, c.prim);
        EXPECT_EQ(ult, c.ult);
    }
}

TEST(ComandoManutencao, APartThatIsNotANumberOfItsSizeRaisesTheConversionError) {
    // A leading space makes part 1 empty and the year "RE"; two spaces make an empty part.
    const std::pair<const char*, std::int32_t> casos[] = {
        {" RE 2026 15 20", err::TypeMismatch},
        {"RE  2026 15 20", err::TypeMismatch},
        {"RE 2O26 15 20", err::TypeMismatch},
        {"RE 32768 15 20", err::Overflow},
        {"RE 2026 15 2147483648", err::Overflow},
        // A range wider than one removal may span is refused before anything runs.
        {"RE 2026 1 2147483647", err::InvalidCall},
        {"RE 2026 -2147483648 2147483647", err::InvalidCall},
        {"RE 2026 0 1000000", err::InvalidCall},
    };
    for (const auto& [texto, numero] : casos) {
        SCOPED_TRACE(texto);
        ComandoManutencao comando(QString::fromUtf8(texto));
        QString tipo;
        std::int16_t ano = 0;
        std::int32_t prim = 0, ult = 0;
        try {
            comando.RemoverRecibos(tipo, ano, prim, ult);
            ADD_FAILURE() << "no error";
        } catch (const AutomationError& e) {
            EXPECT_EQ(e.number(), numero);
            if (numero == err::InvalidCall) {
                EXPECT_TRUE(e.description().contains(u"o máximo de uma remoção é 1000000"));
            }
        }
        EXPECT_FALSE(comando.ScriptPedido());
        EXPECT_FALSE(ComandoManutencao::executavel(QString::fromUtf8(texto)));
    }
    EXPECT_TRUE(ComandoManutencao::executavel(QStringLiteral("zunk")));
    EXPECT_TRUE(ComandoManutencao::executavel(QStringLiteral("RE 2026 1 2")));
    EXPECT_TRUE(ComandoManutencao::executavel(QStringLiteral("RE 2026 1 1000000")));
    EXPECT_FALSE(ComandoManutencao::executavel(QStringLiteral("sa")));
}

}  // namespace
}  // namespace tvx
