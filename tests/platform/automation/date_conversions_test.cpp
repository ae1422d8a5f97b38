#include "platform/automation/conversions.h"
#include "platform/automation/test_support.h"

#include <gtest/gtest.h>

namespace tvx {
namespace {

QDateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms));
}

TEST(OaDateValue, DaysSinceTheEpochAndNegativeFractions) {
    EXPECT_EQ(OaDate::fromDate(QDate(1899, 12, 30)).value, 0.0);
    EXPECT_EQ(OaDate::fromDate(QDate(1900, 1, 1)).value, 2.0);
    EXPECT_EQ(OaDate::fromDate(QDate(2024, 3, 5)).value, 45356.0);
    EXPECT_EQ(OaDate::fromDateTime(at(2024, 3, 5, 18)).value, 45356.75);
    // Before the epoch the time of day still runs forward: -1.25 is 29-12-1899 06:00.
    EXPECT_EQ(OaDate::fromDateTime(at(1899, 12, 29, 6)).value, -1.25);
    EXPECT_EQ(OaDate{-1.25}.toDateTime(), at(1899, 12, 29, 6));
    EXPECT_EQ(OaDate{-2.75}.toDateTime(), at(1899, 12, 28, 18));
    EXPECT_EQ(OaDate{-0.5}.toDateTime(), at(1899, 12, 30, 12));
    EXPECT_FALSE(OaDate{45356.0}.hasTime());
    EXPECT_TRUE(OaDate{45356.5}.hasTime());
}

TEST(OaDateValue, RoundTripsToTheMillisecond) {
    for (const QDateTime& dt : {at(2024, 2, 29, 23, 59, 59, 999), at(1999, 12, 31, 0, 0, 0, 1),
                                at(1850, 7, 14, 13, 45, 30, 500), at(9999, 12, 31, 23, 59, 59), at(100, 1, 1)})
        EXPECT_EQ(OaDate::fromDateTime(dt).toDateTime(), dt) << dt.toString(Qt::ISODateWithMs).toStdString();
    // A fraction a hair below midnight rounds into the next day, not to 24:00.
    EXPECT_EQ(OaDate{45356.9999999999}.toDateTime(), at(2024, 3, 6));
    EXPECT_EQ(OaDate{-1.9999999999}.toDateTime(), at(1899, 12, 30));
}

TEST(DateTexts, FormatsAndDefaultText) {
    EXPECT_EQ(formatDate(QDate(2024, 3, 5)), "05-03-2024");
    EXPECT_EQ(formatTime(QTime(14, 7, 9)), "14:07:09");
    EXPECT_EQ(formatTime(QTime(0, 0)), "00:00:00");
    EXPECT_EQ(defaultDateText(OaDate::fromDate(QDate(2024, 3, 5))), "05-03-2024");
    EXPECT_EQ(defaultDateText(OaDate::fromDateTime(at(2024, 3, 5, 14, 7, 9))), "05-03-2024 14:07:09");
    EXPECT_EQ(defaultDateText(OaDate{0.75}), "18:00:00");
    EXPECT_EQ(CStr(Variant::fromDate(QDate(1999, 12, 31))), "31-12-1999");
}

TEST(CDateConversion, TextsNumbersAndErrors) {
    EXPECT_EQ(CDate("05-03-2024").toDateTime(), at(2024, 3, 5));
    EXPECT_EQ(CDate(" 5/3/2024 14:07 ").toDateTime(), at(2024, 3, 5, 14, 7));
    EXPECT_EQ(CDate("2024-03-05").toDateTime(), at(2024, 3, 5));
    EXPECT_EQ(CDate("2024-03-05T14:07:09").toDateTime(), at(2024, 3, 5, 14, 7, 9));
    EXPECT_EQ(CDate("18:00:00").value, 0.75);
    EXPECT_EQ(CDate(45356.75).value, 45356.75);
    EXPECT_EQ(CDate(Variant()).value, 0.0);
    const OaDate withTime = OaDate::fromDateTime(at(2024, 3, 5, 14, 7, 9));
    EXPECT_EQ(CDate(CStr(Variant(withTime))), withTime);
    EXPECT_RAISES(CDate("31-02-2024"), err::TypeMismatch);
    EXPECT_RAISES(CDate("05-03/2024"), err::TypeMismatch);
    EXPECT_RAISES(CDate("05-03-2024 25:00"), err::TypeMismatch);
    EXPECT_RAISES(CDate("45356"), err::TypeMismatch);
    EXPECT_RAISES(CDate(""), err::TypeMismatch);
    EXPECT_RAISES(CDate(3e6), err::Overflow);
    EXPECT_RAISES(CDate(-657435.0), err::Overflow);
    EXPECT_EQ(CDate(-657434.5).toDateTime(), at(100, 1, 1, 12));
}

}  // namespace
}  // namespace tvx
