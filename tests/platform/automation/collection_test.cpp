#include "platform/automation/collection.h"
#include "platform/automation/test_support.h"

#include <gtest/gtest.h>

namespace tvx {
namespace {

QStringList contents(const Collection& c) {
    QStringList texts;
    for (const auto& entry : c) texts << entry.item.asString();
    return texts;
}

TEST(VbCollection, OneBasedIndicesAndCaseInsensitiveKeys) {
    Collection c;
    c.Add("a", "Key1");
    c.Add("b");
    c.Add("c", "Ação");
    EXPECT_EQ(c.Count(), 3);
    EXPECT_EQ(c.Item(1).asString(), "a");
    EXPECT_EQ(c.Item("KEY1").asString(), "a");
    EXPECT_EQ(c.Item("aÇÃo").asString(), "c");
    EXPECT_EQ(c.Item(Variant(std::int16_t(3))).asString(), "c");
    EXPECT_EQ(c.Item(Variant(2.5)).asString(), "b");  // halves to even: 2
    EXPECT_EQ(c.Item(Variant(Currency::parse("1.4"))).asString(), "a");
    EXPECT_EQ(contents(c), QStringList({"a", "b", "c"}));
}

TEST(VbCollection, LookupErrors) {
    Collection c;
    c.Add("a", "k");
    EXPECT_RAISES(c.Item(0), err::SubscriptOutOfRange);
    EXPECT_RAISES(c.Item(2), err::SubscriptOutOfRange);
    EXPECT_RAISES(c.Item(Variant(1.5)), err::SubscriptOutOfRange);  // rounds to 2
    EXPECT_RAISES(c.Item("1"), err::InvalidCall);                   // a text is always a key
    EXPECT_RAISES(c.Item("other"), err::InvalidCall);
    EXPECT_RAISES(c.Remove(Variant(5)), err::SubscriptOutOfRange);
    EXPECT_RAISES(c.Remove(Variant("zz")), err::InvalidCall);
    EXPECT_RAISES(c.Item(Variant::null()), err::InvalidUseOfNull);
    EXPECT_RAISES(c.Add("b", "K"), err::DuplicateKey);
    EXPECT_EQ(c.Count(), 1);  // the refused item was not added
}

TEST(VbCollection, BeforeAfterAndRemove) {
    Collection c;
    c.Add("b", "kb");
    c.Add("a", "ka", Variant(1));
    c.Add("d", {}, {}, Variant("kb"));
    c.Add("c", {}, Variant("KB"));
    EXPECT_EQ(contents(c), QStringList({"a", "c", "b", "d"}));
    EXPECT_RAISES(c.Add("x", {}, Variant(1), Variant(2)), err::InvalidCall);
    EXPECT_RAISES(c.Add("x", {}, Variant(9)), err::InvalidCall);
    EXPECT_RAISES(c.Add("x", {}, {}, Variant("none")), err::InvalidCall);
    c.Remove(Variant("ka"));
    c.Remove(Variant(2));
    EXPECT_EQ(contents(c), QStringList({"c", "d"}));
    // A removed key may be used again.
    c.Add("a2", "KA");
    EXPECT_EQ(c.Item("ka").asString(), "a2");
}

}  // namespace
}  // namespace tvx
