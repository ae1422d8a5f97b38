#include "platform/automation/clock.h"

#include <gtest/gtest.h>

namespace tvx {
namespace {

TEST(ProcessClock, ScopedClocksNestAndRestore) {
    const QDateTime first(QDate(2024, 3, 5), QTime(10, 0));
    const QDateTime second(QDate(1999, 12, 31), QTime(23, 59));
    {
        ScopedClock outer(first);
        EXPECT_EQ(clock().now(), first);
        {
            ScopedClock inner(second);
            EXPECT_EQ(clock().today(), QDate(1999, 12, 31));
        }
        EXPECT_EQ(clock().now(), first);
    }
    EXPECT_NE(dynamic_cast<const SystemClock*>(&clock()), nullptr);
    setClock(std::make_shared<FixedClock>(second));
    EXPECT_EQ(clock().now(), second);
    setClock(nullptr);
    EXPECT_NE(dynamic_cast<const SystemClock*>(&clock()), nullptr);
}

}  // namespace
}  // namespace tvx
