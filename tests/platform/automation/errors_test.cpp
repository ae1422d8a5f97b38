#include "platform/automation/automation_error.h"
#include "platform/automation/test_support.h"

#include <gmock/gmock.h>
#include <stdexcept>

namespace tvx {
namespace {

TEST(AutomationError, PlatformTextsAndWhat) {
    EXPECT_EQ(err::description(err::ItemNotFound),
              "Item cannot be found in the collection corresponding to the requested name or ordinal.");
    EXPECT_EQ(err::description(err::TypeMismatch), "Type mismatch");
    EXPECT_EQ(err::description(err::MultipleStep),
              "Multiple-step operation generated errors. Check each status value.");
    EXPECT_EQ(err::description(err::CannotCreateObject), "ActiveX component can't create object");
    EXPECT_EQ(err::description(12345), "");
    EXPECT_EQ(err::make(12345).description(), "Application-defined or object-defined error");
    const AutomationError e = err::make(err::Overflow, "Ação");
    EXPECT_STREQ(e.what(), "Ação: Overflow (6)");
    EXPECT_STREQ(err::make(err::TypeMismatch).what(), "Type mismatch (13)");
}

TEST(AutomationError, ReraiseKeepsNumberAndDescriptionUnderNewSource) {
    try {
        reraiseAs("Comandos::HlpDb_SeriesGet", [] { throw AutomationError(3265, "inner text", "Inner"); });
        ADD_FAILURE() << "nothing raised";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), 3265);
        EXPECT_EQ(e.description(), "inner text");
        EXPECT_EQ(e.source(), "Comandos::HlpDb_SeriesGet");
        EXPECT_STREQ(e.what(), "Comandos::HlpDb_SeriesGet: inner text (3265)");
    }
    try {
        reraiseAs("p", [] { throw std::runtime_error("disk full"); });
        ADD_FAILURE() << "nothing raised";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), err::Unspecified);
        EXPECT_EQ(e.description(), "disk full");
        EXPECT_EQ(e.source(), "p");
    }
    EXPECT_RAISES(reraiseAs("p", [] { throw 42; }), err::Unspecified);
    EXPECT_EQ(reraiseAs("p", [] { return 7; }), 7);
    int value = 1;
    int& ref = reraiseAs("p", [&value]() -> int& { return value; });
    EXPECT_EQ(&ref, &value);
}

TEST(AutomationError, IgnoringErrorsRunsEveryStep) {
    std::vector<int> ran;
    runIgnoringErrors({
        [&] { ran.push_back(1); },
        [&] {
            ran.push_back(2);
            err::raise(err::InvalidCall);
        },
        [&] {
            ran.push_back(3);
            throw std::logic_error("x");
        },
        [&] { ran.push_back(4); },
    });
    EXPECT_THAT(ran, testing::ElementsAre(1, 2, 3, 4));
    EXPECT_TRUE(tryIgnoringError([] {}));
    EXPECT_FALSE(tryIgnoringError([] { throw 1; }));
}

TEST(AutomationError, CurrentErrorOutsideACatch) {
    const AutomationError e = currentError();
    EXPECT_EQ(e.number(), err::Unspecified);
    EXPECT_EQ(e.description(), "Unknown error");
}

}  // namespace
}  // namespace tvx
