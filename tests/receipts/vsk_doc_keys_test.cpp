#include "receipts/vsk_doc_keys.h"

#include "platform/automation/automation_error.h"

#include <gtest/gtest.h>

namespace tvx {
namespace {

std::int32_t errorNumber(const std::function<void()>& f) {
    try {
        f();
    } catch (const AutomationError& e) {
        return e.number();
    }
    return 0;
}

TEST(VskDocKeys, KeepInsertionOrderAndAnswerByPositionOrTextKey) {
    VskDocKeys keys;
    EXPECT_EQ(keys.Count(), 0);
    EXPECT_EQ(keys.begin(), keys.end());

    keys.Add(QStringLiteral("FT"), 12, 1, 2024);
    const auto nc = keys.Add(QStringLiteral("NC"), 3, 2, 2023, QStringLiteral("NC-3"));
    keys.Add(QStringLiteral("FT"), 15, 1, 2024);
    ASSERT_EQ(keys.Count(), 3);
    EXPECT_EQ(keys.Item(Variant(std::int32_t(1)))->Numero(), 12);
    EXPECT_EQ(keys.Item(Variant(std::int32_t(3)))->Numero(), 15);
    EXPECT_EQ(keys.Item(Variant("nc-3")), nc);  // text keys ignore letter case

    QStringList order;
    for (const auto& k : keys) order << k->Tipo() + QString::number(k->Numero());
    EXPECT_EQ(order, (QStringList{"FT12", "NC3", "FT15"}));

    // Only the four identity fields are set; the caller fills the others.
    EXPECT_EQ(nc->Serie(), 2);
    EXPECT_EQ(nc->Ano(), 2023);
    EXPECT_EQ(nc->Total(), Currency());
    EXPECT_EQ(nc->AreaGestao() + nc->TipoOperacao() + nc->Natureza() + nc->SinalCt(), 0);

    keys.Remove(Variant(std::int32_t(1)));
    EXPECT_EQ(keys.Item(Variant(std::int32_t(1))), nc);
}

TEST(VskDocKeys, RaiseTheCollectionsErrorsAndAddNothingOnADuplicateKey) {
    VskDocKeys keys;
    keys.Add(QStringLiteral("FT"), 12, 1, 2024, QStringLiteral("FT-12"));
    EXPECT_EQ(errorNumber([&] { keys.Add(QStringLiteral("FT"), 12, 1, 2024, QStringLiteral("FT-12")); }), 457);
    EXPECT_EQ(keys.Count(), 1);
    EXPECT_EQ(errorNumber([&] { keys.Item(Variant(std::int32_t(0))); }), 9);
    EXPECT_EQ(errorNumber([&] { keys.Item(Variant(std::int32_t(2))); }), 9);
    EXPECT_EQ(errorNumber([&] { keys.Item(Variant("FT-13")); }), 5);
    EXPECT_EQ(errorNumber([&] { keys.Remove(Variant("FT-13")); }), 5);
    EXPECT_EQ(keys.Count(), 1);
}

TEST(VskDocKeys, LateBindingReachesItemAsDefaultMemberAndEnumeratesInOrder) {
    VskDocKeys keys;
    EXPECT_EQ(keys.memberNames(), (QStringList{"Add", "Item", "Count", "Remove", "NewEnum"}));
    std::vector<Variant> add{Variant("FT"), Variant("12"), Variant(std::int16_t(1)), Variant(2024.0), Variant("k")};
    const Variant added = keys.Invoke(QStringLiteral("add"), add);
    std::vector<Variant> add2{Variant("FT"), Variant(std::int32_t(15)), Variant(std::int16_t(1)),
                              Variant(std::int16_t(2024))};
    keys.Invoke(QStringLiteral("Add"), add2);

    std::vector<Variant> byKey{Variant("K")};
    EXPECT_EQ(keys.Invoke(QString(), byKey), added);  // the default member
    std::vector<Variant> none;
    EXPECT_EQ(keys.Invoke(QStringLiteral("Count"), none), Variant(std::int32_t(2)));

    const Variant en = keys.Invoke(QStringLiteral("NewEnum"), none);
    auto& enumerador = dynamic_cast<Dispatch&>(*en.asObject());
    QList<std::int32_t> numeros;
    std::vector<Variant> next(1);
    while (enumerador.Invoke(QStringLiteral("Next"), next) == Variant(true))
        numeros << std::static_pointer_cast<VskDocKey>(next[0].asObject())->Numero();
    EXPECT_EQ(numeros, (QList<std::int32_t>{12, 15}));

    std::vector<Variant> tooFew{Variant("FT")};
    EXPECT_EQ(errorNumber([&] { keys.Invoke(QStringLiteral("Add"), tooFew); }), 450);
    EXPECT_EQ(errorNumber([&] { keys.Invoke(QStringLiteral("Items"), none); }), 438);
}

TEST(VskDocKey, PropertiesInSlotOrderConvertAsTheirTypesAndKeepCurrencyExact) {
    VskDocKey key;
    EXPECT_EQ(key.memberNames(), (QStringList{"SinalCt", "Natureza", "TipoOperacao", "AreaGestao", "Total", "Ano",
                                              "Serie", "Numero", "Tipo"}));
    std::vector<Variant> put{Variant("0.1")};
    key.Invoke(QStringLiteral("Total"), put);
    key.Total(key.Total() + Currency::parse(QStringLiteral("0.2")));
    EXPECT_EQ(key.Total(), Currency::fromScaled(3000));  // 0.3 exactly
    std::vector<Variant> tooMuch{Variant(2.00005)};
    key.Invoke(QStringLiteral("Total"), tooMuch);
    EXPECT_EQ(key.Total(), Currency::fromScaled(20000));  // halves to even at the fourth decimal

    std::vector<Variant> serie{Variant(std::int32_t(40000))};
    EXPECT_EQ(errorNumber([&] { key.Invoke(QStringLiteral("Serie"), serie); }), 6);
    std::vector<Variant> numero{Variant("70000")};
    key.Invoke(QStringLiteral("numero"), numero);
    std::vector<Variant> get;
    EXPECT_EQ(key.Invoke(QStringLiteral("Numero"), get), Variant(std::int32_t(70000)));
    EXPECT_EQ(key.Invoke(QStringLiteral("SinalCt"), get), Variant(std::int16_t(0)));
}

}  // namespace
}  // namespace tvx
