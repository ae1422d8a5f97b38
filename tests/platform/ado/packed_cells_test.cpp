// Packed cells give back every value exactly as it was stored, whatever was in
// the cell before and whatever other cells of the column share.
#include "platform/ado/packed_cells.h"

#include "platform/automation/currency.h"

#include <gtest/gtest.h>

namespace tvx::ado {
namespace {

TEST(PackedCells, EveryValueComesBackAsStoredAfterAnyOverwrite) {
    const QString loneSurrogate = QString(QChar(0xD800)) + u'x';
    const std::vector<Variant> values = {
        Variant(),
        Variant::null(),
        Variant(std::int16_t(-5)),
        Variant(std::int32_t(-2147483647 - 1)),
        Variant(true),
        Variant(false),
        Variant(-0.1),
        Variant(Currency::fromScaled(-922337203685477580)),
        Variant(OaDate{45000.75}),
        Variant(QString()),
        Variant(QStringLiteral("não existe")),  // one byte a character
        Variant(QStringLiteral("€ 10")),        // two
        Variant(loneSurrogate),                 // kept as it is, not made valid
        Variant(QString(300, u'x')),            // longer than the texts shared
        Variant(ObjectRef(std::make_shared<AutomationObject>())),
    };
    // Each value over each other one, in one cell, then read back.
    PackedCells cells(1);
    cells.resize(1);
    for (const Variant& before : values)
        for (const Variant& after : values) {
            cells.set(0, 0, before);
            ASSERT_EQ(cells.get(0), before) << debugText(before).toStdString();
            cells.set(0, 0, after);
            ASSERT_EQ(cells.get(0), after)
                << debugText(before).toStdString() << " then " << debugText(after).toStdString();
        }
    // A text longer than a block of the store's bytes.
    const QString longo(600000, QChar(0x20AC));
    cells.set(0, 0, Variant(longo));
    EXPECT_EQ(cells.get(0), Variant(longo));
}

TEST(PackedCells, ShortTextsSharedWithinAColumnEachReadBackAsWritten) {
    // More distinct texts than a column remembers, in letter cases that differ.
    const QStringList estados = {"OK", "ERRO", "Erro", "AVISO", "Processado", "", "ok", "ERRO "};
    PackedCells cells(2);
    cells.resize(2 * 40);
    for (std::size_t i = 0; i < 40; ++i) {
        cells.set(2 * i, 0, Variant(estados[qsizetype(i * 7 % 8)]));
        cells.set(2 * i + 1, 1, Variant(estados[qsizetype(i % 8)]));
    }
    for (std::size_t i = 0; i < 40; ++i) {
        ASSERT_EQ(cells.get(2 * i), Variant(estados[qsizetype(i * 7 % 8)])) << i;
        ASSERT_EQ(cells.get(2 * i + 1), Variant(estados[qsizetype(i % 8)])) << i;
    }
}

}  // namespace
}  // namespace tvx::ado
