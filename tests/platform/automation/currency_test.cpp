#include "platform/automation/currency.h"
#include "platform/automation/test_support.h"

#include <gtest/gtest.h>

namespace tvx {
namespace {

const Currency maxCurrency = Currency::fromScaled(std::numeric_limits<std::int64_t>::max());
const Currency minCurrency = Currency::fromScaled(std::numeric_limits<std::int64_t>::min());

TEST(CurrencyValue, SumsAreExact) {
    EXPECT_EQ(Currency::parse("0.1") + Currency::parse("0.2"), Currency::parse("0.3"));
    EXPECT_EQ(Currency::fromDouble(0.1) + Currency::fromDouble(0.2), Currency::fromScaled(3000));
    Currency total;
    for (int i = 0; i < 1000; ++i) total += Currency::parse("0.01");
    EXPECT_EQ(total, Currency::fromLong(10));
    EXPECT_EQ(Currency::parse("1") - Currency::parse("0.0001"), Currency::parse("0.9999"));
    EXPECT_EQ(-Currency::parse("2.5"), Currency::fromScaled(-25000));
}

TEST(CurrencyValue, RangeEdges) {
    EXPECT_EQ(Currency::parse("922337203685477.5807"), maxCurrency);
    EXPECT_EQ(Currency::parse(" -922337203685477.5808 "), minCurrency);
    EXPECT_EQ(maxCurrency.toString(), "922337203685477.5807");
    EXPECT_EQ(minCurrency.toString(), "-922337203685477.5808");
    EXPECT_RAISES(Currency::parse("922337203685477.5808"), err::Overflow);
    EXPECT_RAISES(Currency::parse("-922337203685477.5809"), err::Overflow);
    EXPECT_RAISES(maxCurrency + Currency::fromScaled(1), err::Overflow);
    EXPECT_RAISES(minCurrency - Currency::fromScaled(1), err::Overflow);
    EXPECT_RAISES(-minCurrency, err::Overflow);
    EXPECT_RAISES(Currency::fromLong(922337203685478), err::Overflow);
    EXPECT_EQ(Currency::fromLong(-922337203685477).scaled(), -9223372036854770000);
    EXPECT_RAISES(Currency::fromDouble(1e15), err::Overflow);
    EXPECT_RAISES(Currency::fromDouble(std::nan("")), err::Overflow);
}

TEST(CurrencyValue, RoundsHalvesToEvenAtTheFourthDecimal) {
    EXPECT_EQ(Currency::parse("0.00005").scaled(), 0);
    EXPECT_EQ(Currency::parse("0.00015").scaled(), 2);
    EXPECT_EQ(Currency::parse("0.000150001").scaled(), 2);
    EXPECT_EQ(Currency::parse("0.00025").scaled(), 2);
    EXPECT_EQ(Currency::parse("-0.00025").scaled(), -2);
    EXPECT_EQ(Currency::parse("0.000250001").scaled(), 3);
    EXPECT_EQ(Currency::fromDouble(0.00015).scaled(), 2);
    EXPECT_EQ(Currency::fromDouble(-1.23456).scaled(), -12346);
    EXPECT_EQ(Currency::parse("1.5").roundedUnits(), 2);
    EXPECT_EQ(Currency::parse("2.5").roundedUnits(), 2);
    EXPECT_EQ(Currency::parse("-2.5").roundedUnits(), -2);
    EXPECT_EQ(Currency::parse("-2.5001").roundedUnits(), -3);
}

TEST(CurrencyValue, Texts) {
    EXPECT_EQ(Currency::parse("12.50").toString(), "12.5");
    EXPECT_EQ(Currency::parse("-3").toString(), "-3");
    EXPECT_EQ(Currency::parse(".0001").toString(), "0.0001");
    EXPECT_EQ(Currency::parse("+7.").toString(), "7");
    EXPECT_EQ(Currency().toString(), "0");
    EXPECT_RAISES(Currency::parse(""), err::TypeMismatch);
    EXPECT_RAISES(Currency::parse("1 000"), err::TypeMismatch);
    EXPECT_RAISES(Currency::parse("1,5"), err::TypeMismatch);
    EXPECT_RAISES(Currency::parse("€1"), err::TypeMismatch);
}

}  // namespace
}  // namespace tvx
