#include "platform/automation/class_registry.h"
#include "platform/automation/test_support.h"

#include <gtest/gtest.h>

namespace tvx {
namespace {

struct Widget : AutomationObject {
    int serial;
    explicit Widget(int s) : serial(s) {}
};

TEST(ClassRegistry, CreatesByCaseInsensitiveProgId) {
    int made = 0;
    registry::registerClass("Telvarix.TestWidget", [&made] { return std::make_shared<Widget>(++made); });
    EXPECT_TRUE(registry::isRegistered("telvarix.testwidget"));
    EXPECT_TRUE(registry::registeredClasses().contains("Telvarix.TestWidget"));
    const auto first = std::dynamic_pointer_cast<Widget>(registry::create("TELVARIX.TESTWIDGET"));
    const auto second = std::dynamic_pointer_cast<Widget>(registry::create("Telvarix.TestWidget"));
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->serial, 1);
    EXPECT_EQ(second->serial, 2);  // a new object each time

    EXPECT_TRUE(registry::unregisterClass("Telvarix.testWidget"));
    EXPECT_FALSE(registry::unregisterClass("Telvarix.TestWidget"));
    EXPECT_FALSE(registry::isRegistered("Telvarix.TestWidget"));
    EXPECT_RAISES(registry::create("Telvarix.TestWidget"), err::CannotCreateObject);
}

TEST(ClassRegistry, FactoryMakingNothingCannotCreate) {
    registry::registerClass("Telvarix.Nothing", [] { return ObjectRef(); });
    EXPECT_RAISES(registry::create("Telvarix.Nothing"), err::CannotCreateObject);
    registry::unregisterClass("Telvarix.Nothing");
    EXPECT_RAISES(registry::create(""), err::CannotCreateObject);
}

}  // namespace
}  // namespace tvx
