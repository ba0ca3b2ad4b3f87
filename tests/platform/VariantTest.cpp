#include "platform/Variant.h"

#include "platform/FailureCapture.h"

#include <functional>
#include <gtest/gtest.h>

using ov::Variant;
using ov::test::failureNumber;

TEST(VariantTest, WholeNumbersRoundHalvesToEven) {
    struct Case {
        double in;
        int32_t out;
    } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {2.4999, 2}, {2.5001, 3}};
    for (auto c : cases)
        EXPECT_EQ(Variant(c.in).toInt32(), c.out) << c.in;
    EXPECT_EQ(Variant("3.5").toInt16(), 4);
}

// Conversions that fail: 6 overflow (after rounding, and for numeric text too large for a Double),
// 13 type mismatch, 94 Null, 91 Nothing.
TEST(VariantTest, ConversionsThatFailGiveTheirNumber) {
    struct Case {
        const char* what;
        std::function<void()> convert;
        int failure;
    } cases[] = {
        {"32767.5 rounds to 32768", [] { Variant(32767.5).toInt16(); }, 6},
        {"-32768.6", [] { Variant(-32768.6).toInt16(); }, 6},
        {"2^31", [] { Variant(2147483648.0).toInt32(); }, 6},
        {"Long 40000 to Integer", [] { Variant(int32_t{40000}).toInt16(); }, 6},
        {"Single 32767.5", [] { Variant(32767.5f).toInt16(); }, 6},
        {"1e39 to Single", [] { Variant(1e39).toSingle(); }, 6},
        {"text 1e400", [] { Variant("1e400").toDouble(); }, 6},
        {"text 1e400 to Long", [] { Variant("1e400").toInt32(); }, 6},
        {"abc", [] { Variant("abc").toInt32(); }, 13},
        {"empty text", [] { Variant("").toInt32(); }, 13},
        {"inf", [] { Variant("inf").toDouble(); }, 13},
        {"yes", [] { Variant("yes").toBool(); }, 13},
        {"Long to object", [] { Variant(5).toObject(); }, 13},
        {"Null to text", [] { Variant(Variant::Null).toString(); }, 94},
        {"Null to Long", [] { Variant(Variant::Null).toInt32(); }, 94},
        {"Nothing to Long", [] { Variant(nullptr).toInt32(); }, 91},
    };
    for (const auto& c : cases)
        EXPECT_EQ(failureNumber(c.convert), c.failure) << c.what;
}

TEST(VariantTest, ConversionsAtTheEdgesOfTheirRanges) {
    EXPECT_EQ(Variant(32767.0).toInt16(), 32767);
    EXPECT_EQ(Variant(-32768.0).toInt16(), -32768);
    EXPECT_EQ(Variant(2147483647.0).toInt32(), 2147483647);
    EXPECT_FLOAT_EQ(Variant(3.0e38).toSingle(), 3.0e38f);
    EXPECT_DOUBLE_EQ(Variant("1e308").toDouble(), 1e308);
    EXPECT_EQ(Variant("1e-400").toDouble(), 0.0); // too small rounds to zero
    EXPECT_EQ(Variant(" 42 ").toInt32(), 42);
    EXPECT_TRUE(Variant("true").toBool());
    EXPECT_FALSE(Variant("False").toBool());
    EXPECT_TRUE(Variant("-1").toBool());
    EXPECT_TRUE(Variant::isNumericText("1e3"));
    EXPECT_FALSE(Variant::isNumericText("1,5"));
    EXPECT_TRUE(Variant(nullptr).isNothing());
    EXPECT_EQ(Variant().toObject(), nullptr);
    // What counts as numeric.
    EXPECT_TRUE(Variant().isNumeric());
    EXPECT_TRUE(Variant(true).isNumeric());
    EXPECT_TRUE(Variant(" -1.5E+3 ").isNumeric());
    EXPECT_TRUE(Variant("&HFF").isNumeric());
    for (const Variant& v :
         {Variant(Variant::Null), Variant(""), Variant("1.2.3"), Variant("nan"), Variant(nullptr)})
        EXPECT_FALSE(v.isNumeric()) << v.typeName();
}

TEST(VariantTest, HexTextWidths) {
    struct Case {
        const char* text;
        int32_t value;
    } cases[] = {{"&H0", 0},         {"&h7fff", 32767},
                 {"&H8000", -32768}, {"&HFFFF", -1},
                 {"&H10000", 65536}, {"&H7FFFFFFF", 2147483647},
                 {"&HFFFFFFFF", -1}, {" &H10 ", 16},
                 {"&HFF", 255},      {"&H8000000F", static_cast<int32_t>(0x8000000F)}};
    for (const auto& c : cases)
        EXPECT_EQ(Variant(c.text).toInt32(), c.value) << c.text;
    for (const char* bad : {"&H", "&H100000000", "&HG", "&H-1", "H10"})
        EXPECT_EQ(failureNumber([&] { Variant(bad).toInt32(); }), 13) << bad;
}

TEST(VariantTest, DecimalTextOfDoublesAndSingles) {
    struct Case {
        Variant value;
        const char* text;
    } cases[] = {
        {Variant(true), "True"},
        {Variant(false), "False"},
        {Variant(int16_t{-7}), "-7"},
        {Variant(8.25f), "8.25"},
        {Variant(0.1f), "0.1"},
        {Variant(1e20), "1E+20"},
        {Variant(), ""},
        {Variant(0.1 + 0.2), "0.3"},
        {Variant(123456789012345.0), "123456789012345"},
        {Variant(1e15), "1E+15"},
        {Variant(1234567890123456789.0), "1.23456789012346E+18"},
        {Variant(-0.0), "0"},
        {Variant(3.25e-300), "3.25E-300"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.value.toString(), c.text) << c.text;
    EXPECT_EQ(Variant(true).toInt32(), -1);
}

TEST(VariantTest, EqualityIsByTypeAndValue) {
    EXPECT_EQ(Variant(), Variant());
    EXPECT_EQ(Variant(Variant::Null), Variant(Variant::Null));
    EXPECT_EQ(Variant("a"), Variant(std::string("a")));
    EXPECT_FALSE(Variant("a") == Variant("A"));
    EXPECT_FALSE(Variant(int16_t{1}) == Variant(int32_t{1})); // different types
    EXPECT_FALSE(Variant() == Variant(Variant::Null));
    EXPECT_EQ(Variant(nullptr), Variant(nullptr));
    EXPECT_EQ(Variant(nullptr).typeName(), "Nothing");
}

// The numeric test and whole-number conversion of typed text, as a spin box reads what was typed.
TEST(NumericTextTest, SignsCurrencyGroupsAndExponentsReadAsTheHostReadsThem) {
    struct Case {
        const char* text;
        bool numeric;
        double value;
    };
    const Case cases[] = {
        {" -12 ", true, -12}, {"12-", true, -12}, {"(12)", true, -12}, {"$1,234.50", true, 1234.5},
        {"-$5", true, -5},    {"$-5", true, -5},  {"5 $", true, 5},    {"1.5E3", true, 1500},
        {"2D-1", true, 0.2},  {".5", true, 0.5},  {"&H10", true, 16},  {"1,5", false, 0},
        {"--5", false, 0},    {"-5-", false, 0},  {"(-5)", false, 0},  {"(5", false, 0},
        {"$$5", false, 0},    {"1e", false, 0},   {",123", false, 0},  {"1,234,5", false, 0},
        {"inf", false, 0},    {".", false, 0},
    };
    for (const Case& c : cases) {
        double d = 0;
        EXPECT_EQ(ov::Variant::parseNumber(c.text, d), c.numeric) << c.text;
        if (c.numeric) {
            EXPECT_DOUBLE_EQ(d, c.value) << c.text;
        }
    }
}

TEST(NumericTextTest, WholeNumbersFromTextRoundHalvesToEven) {
    for (auto [text, whole] : {std::pair{"4.5", 4}, {"5.5", 6}, {"-2.5", -2}, {"$7.5", 8}, {"(0.5)", 0}})
        EXPECT_EQ(ov::Variant(text).toInt32(), whole) << text;
}
