#include "platform/Failure.h"
#include "platform/Variant.h"

#include <gtest/gtest.h>

using ov::Failure;
using ov::Variant;

namespace {

int failureOf(auto&& f) {
    try {
        f();
    } catch (const Failure& e) {
        return e.number();
    }
    return 0;
}

} // namespace

TEST(VariantTest, WholeNumbersRoundHalvesToEven) {
    struct Case {
        double in;
        int32_t out;
    } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {2.4999, 2}, {2.5001, 3}};
    for (auto c : cases)
        EXPECT_EQ(Variant(c.in).toInt32(), c.out) << c.in;
    EXPECT_EQ(Variant("3.5").toInt16(), 4);
}

TEST(VariantTest, RangeLimitsOverflowAtTheEdges) {
    EXPECT_EQ(Variant(32767.0).toInt16(), 32767);
    EXPECT_EQ(Variant(-32768.0).toInt16(), -32768);
    EXPECT_EQ(failureOf([] { Variant(32767.5).toInt16(); }), 6); // rounds to 32768
    EXPECT_EQ(failureOf([] { Variant(-32768.6).toInt16(); }), 6);
    EXPECT_EQ(Variant(2147483647.0).toInt32(), 2147483647);
    EXPECT_EQ(failureOf([] { Variant(2147483648.0).toInt32(); }), 6);
    EXPECT_EQ(failureOf([] { Variant(int32_t{40000}).toInt16(); }), 6);
}

TEST(VariantTest, TextConvertsWhenNumericOrBoolean) {
    EXPECT_EQ(Variant(" 42 ").toInt32(), 42);
    EXPECT_EQ(Variant("&HFF").toInt32(), 255);
    EXPECT_EQ(Variant("&HFFFF").toInt32(), -1);
    EXPECT_EQ(Variant("&H8000000F").toInt32(), static_cast<int32_t>(0x8000000F));
    EXPECT_TRUE(Variant("true").toBool());
    EXPECT_FALSE(Variant("False").toBool());
    EXPECT_TRUE(Variant("-1").toBool());
    EXPECT_EQ(failureOf([] { Variant("abc").toInt32(); }), 13);
    EXPECT_EQ(failureOf([] { Variant("").toInt32(); }), 13);
    EXPECT_EQ(failureOf([] { Variant("inf").toDouble(); }), 13);
    EXPECT_EQ(failureOf([] { Variant("yes").toBool(); }), 13);
    EXPECT_TRUE(Variant::isNumericText("1e3"));
    EXPECT_FALSE(Variant::isNumericText("1,5"));
}

TEST(VariantTest, TextFormsMatchTheHost) {
    EXPECT_EQ(Variant(true).toString(), "True");
    EXPECT_EQ(Variant(false).toString(), "False");
    EXPECT_EQ(Variant(true).toInt32(), -1);
    EXPECT_EQ(Variant(int16_t{-7}).toString(), "-7");
    EXPECT_EQ(Variant(2.5).toString(), "2.5");
    EXPECT_EQ(Variant(8.25f).toString(), "8.25");
    EXPECT_EQ(Variant(0.1f).toString(), "0.1");
    EXPECT_EQ(Variant(1e20).toString(), "1E+20");
    EXPECT_EQ(Variant().toString(), "");
}

TEST(VariantTest, NullAndObjectsRefusePlainConversions) {
    EXPECT_EQ(failureOf([] { Variant(Variant::Null).toString(); }), 94);
    EXPECT_EQ(failureOf([] { Variant(Variant::Null).toInt32(); }), 94);
    EXPECT_EQ(failureOf([] { Variant(nullptr).toInt32(); }), 91);
    EXPECT_EQ(failureOf([] { Variant(5).toObject(); }), 13);
    EXPECT_TRUE(Variant(nullptr).isNothing());
    EXPECT_EQ(Variant(nullptr).typeName(), "Nothing");
    EXPECT_EQ(Variant().toObject(), nullptr);
}
