#include "platform/automation/conversions.h"
#include "platform/automation/test_support.h"

#include <gtest/gtest.h>

namespace tvx {
namespace {

TEST(CStrConversion, NumbersInInvariantForm) {
    EXPECT_EQ(CStr(Variant()), "");
    EXPECT_EQ(CStr(true), "True");
    EXPECT_EQ(CStr(false), "False");
    EXPECT_EQ(CStr(std::int16_t(-32768)), "-32768");
    EXPECT_EQ(CStr(2147483647), "2147483647");
    EXPECT_EQ(CStr(12.5), "12.5");
    EXPECT_EQ(CStr(-0.0), "0");
    EXPECT_EQ(CStr(0.1 + 0.2), "0.3");  // 15 significant digits hide the binary error
    EXPECT_EQ(CStr(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(CStr(123456789012345.0), "123456789012345");
    EXPECT_EQ(CStr(1e16), "1E+16");
    EXPECT_EQ(CStr(-2.5e-7), "-2.5E-07");
    EXPECT_EQ(CStr(Currency::parse("12.5000")), "12.5");
    EXPECT_EQ(CStr(Currency::fromScaled(-1)), "-0.0001");
    EXPECT_EQ(CStr(" a "), " a ");
    EXPECT_RAISES(CStr(Variant(ObjectRef())), err::TypeMismatch);
}

TEST(TextFunctions, TrimOnlyBlanksAndUpperCaseAccents) {
    EXPECT_EQ(Trim("  a b \t"), "a b \t");
    EXPECT_EQ(Trim("\t x "), "\t x");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(UCase("ração ç"), "RAÇÃO Ç");
}

TEST(VariantBasics, TypesAccessorsAndEquality) {
    EXPECT_EQ(Variant().type(), VarType::Empty);
    EXPECT_EQ(Variant::null().type(), VarType::Null);
    EXPECT_EQ(Variant(std::int16_t(1)).type(), VarType::Integer);
    EXPECT_EQ(Variant(1).type(), VarType::Long);
    EXPECT_EQ(Variant(true).type(), VarType::Boolean);
    EXPECT_EQ(Variant("é").asString(), QString::fromUtf8("é"));
    EXPECT_TRUE(Variant(Currency()).isNumeric());
    EXPECT_FALSE(Variant("1").isNumeric());
    EXPECT_FALSE(Variant::fromDate(QDate(2024, 1, 1)).isNumeric());
    EXPECT_EQ(Variant::null(), Variant::null());
    EXPECT_NE(Variant(), Variant::null());
    EXPECT_NE(Variant(1), Variant(std::int16_t(1)));  // same value, other type
    EXPECT_RAISES(Variant(1).asDouble(), err::TypeMismatch);
    EXPECT_RAISES(Variant("1").asLong(), err::TypeMismatch);
    EXPECT_EQ(debugText(Variant("x")), "String:\"x\"");
    EXPECT_EQ(debugText(Variant::null()), "Null");
}

}  // namespace
}  // namespace tvx
