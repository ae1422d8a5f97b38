#include "platform/automation/conversions.h"
#include "platform/automation/test_support.h"

#include <gtest/gtest.h>
#include <cmath>

namespace tvx {
namespace {

TEST(NumericConversions, HalvesRoundToEvenFromNumbersAndTexts) {
    EXPECT_EQ(CLng(0.5), 0);
    EXPECT_EQ(CLng(1.5), 2);
    EXPECT_EQ(CLng(2.5), 2);
    EXPECT_EQ(CLng(3.5), 4);
    EXPECT_EQ(CLng(-1.5), -2);
    EXPECT_EQ(CLng(-2.5), -2);
    EXPECT_EQ(CLng(2.5000001), 3);
    EXPECT_EQ(CLng("2.5"), 2);
    EXPECT_EQ(CLng("1.5"), 2);
    EXPECT_EQ(CLng(" 12 "), 12);
    EXPECT_EQ(CLng("-3.5"), -4);
    // Rounded on the written digits, not on the nearest double.
    EXPECT_EQ(CLng("2.50000000000000000001"), 3);
    EXPECT_EQ(CLng("1E3"), 1000);
    EXPECT_EQ(CInt(Variant(Currency::parse("2.5"))), 2);
    EXPECT_EQ(CInt(Variant(Currency::parse("-0.5001"))), -1);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
    EXPECT_EQ(roundHalfEven(4.5), 4);
}

TEST(NumericConversions, RangeEdgesOverflow) {
    EXPECT_EQ(CInt(32767), 32767);
    EXPECT_EQ(CInt(-32768), -32768);
    EXPECT_EQ(CInt(32767.4), 32767);
    EXPECT_EQ(CInt(-32768.5), -32768);  // even
    EXPECT_RAISES(CInt(32767.5), err::Overflow);
    EXPECT_RAISES(CInt(32768), err::Overflow);
    EXPECT_RAISES(CInt("-32769"), err::Overflow);
    EXPECT_EQ(CLng("2147483647"), 2147483647);
    EXPECT_EQ(CLng("-2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_RAISES(CLng("2147483648"), err::Overflow);
    EXPECT_RAISES(CLng(2147483647.5), err::Overflow);
    EXPECT_RAISES(CLng(-2147483649.0), err::Overflow);
    EXPECT_RAISES(CLng("99999999999999999999999"), err::Overflow);
    EXPECT_RAISES(CLng(std::nan("")), err::Overflow);
    EXPECT_RAISES(CDbl("1E400"), err::Overflow);
    EXPECT_EQ(CDbl("1E-400"), 0.0);
}

TEST(NumericConversions, TypeMismatchOverflowAndNullAreDistinct) {
    EXPECT_RAISES(CLng("12x"), err::TypeMismatch);
    EXPECT_RAISES(CLng(""), err::TypeMismatch);
    EXPECT_RAISES(CLng("  "), err::TypeMismatch);
    EXPECT_RAISES(CLng("1,5"), err::TypeMismatch);  // no grouping, '.' decimals only
    EXPECT_RAISES(CDbl("1.2.3"), err::TypeMismatch);
    EXPECT_RAISES(CDbl("-"), err::TypeMismatch);
    EXPECT_RAISES(CDbl("1E"), err::TypeMismatch);
    EXPECT_RAISES(CCur("abc"), err::TypeMismatch);
    EXPECT_RAISES(CLng(Variant(ObjectRef())), err::TypeMismatch);
    EXPECT_RAISES(CLng(Variant::null()), err::InvalidUseOfNull);
    EXPECT_RAISES(CInt(Variant::null()), err::InvalidUseOfNull);
    EXPECT_RAISES(CDbl(Variant::null()), err::InvalidUseOfNull);
    EXPECT_RAISES(CCur(Variant::null()), err::InvalidUseOfNull);
    EXPECT_RAISES(CBool(Variant::null()), err::InvalidUseOfNull);
    EXPECT_RAISES(CStr(Variant::null()), err::InvalidUseOfNull);
    EXPECT_RAISES(CDate(Variant::null()), err::InvalidUseOfNull);
}

TEST(NumericConversions, EmptyAndBooleans) {
    EXPECT_EQ(CLng(Variant()), 0);
    EXPECT_EQ(CDbl(Variant()), 0.0);
    EXPECT_EQ(CCur(Variant()), Currency());
    EXPECT_FALSE(CBool(Variant()));
    EXPECT_EQ(CInt(true), -1);
    EXPECT_EQ(CLng(false), 0);
    EXPECT_EQ(CCur(true), Currency::fromLong(-1));
    EXPECT_TRUE(CBool(" TRUE "));
    EXPECT_FALSE(CBool("false"));
    EXPECT_TRUE(CBool("0.001"));
    EXPECT_FALSE(CBool("0.000"));
    EXPECT_TRUE(CBool(std::int16_t(-1)));
    EXPECT_RAISES(CBool("yes"), err::TypeMismatch);
    EXPECT_RAISES(CBool(""), err::TypeMismatch);
}

TEST(ValFunction, ReadsTheLeadingNumberAndNeverFails) {
    EXPECT_EQ(Val("12x"), 12);
    EXPECT_EQ(Val(""), 0);
    EXPECT_EQ(Val(" 12 "), 12);
    EXPECT_EQ(Val("2.5"), 2.5);  // no rounding, unlike CLng
    EXPECT_EQ(CLng("2.5"), 2);
    EXPECT_EQ(Val("1,5"), 1);
    EXPECT_EQ(Val(" 2 45 7"), 2457);
    EXPECT_EQ(Val("1\t2\n3"), 123);
    EXPECT_EQ(Val("- 1.5e2abc"), -150);
    EXPECT_EQ(Val("1e"), 1);
    EXPECT_EQ(Val(".5."), 0.5);
    EXPECT_EQ(Val("abc"), 0);
    EXPECT_EQ(Val("&HFFFF"), -1);
    EXPECT_EQ(Val("&hff"), 255);
    EXPECT_EQ(Val("&H10000"), 65536);
    EXPECT_EQ(Val("&HFFFFFFFF"), -1);
    EXPECT_EQ(Val("&O17"), 15);
    EXPECT_EQ(Val("&H"), 0);
    EXPECT_TRUE(std::isinf(Val("1e999")));
}

}  // namespace
}  // namespace tvx
