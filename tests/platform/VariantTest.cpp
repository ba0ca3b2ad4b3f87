#include "platform/Variant.h"

#include "platform/FailureCapture.h"

#include <functional>
#include <gtest/gtest.h>

using ov::Variant;
using ov::test::failureNumber;

TEST(VariantTest, WholeNumbersRoundHalvesToEven) {
    for (auto [in, out] :
         {std::pair{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {2.4999, 2}, {2.5001, 3}})
        EXPECT_EQ(Variant(in).toInt32(), out) << in;
    EXPECT_EQ(Variant("3.5").toInt16(), 4);
}

// Conversions that fail: 6 overflow (after rounding, and for numeric text too large for a Double),
// 13 type mismatch, 94 Null, 91 Nothing.
TEST(VariantTest, ConversionsThatFailGiveTheirNumber) {
    const std::tuple<const char*, std::function<void()>, int> cases[] = {
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
    for (const auto& [what, convert, failure] : cases)
        EXPECT_EQ(failureNumber(convert), failure) << what;
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
    for (const Variant& v : {Variant(), Variant(true), Variant(" -1.5E+3 "), Variant("&HFF")})
        EXPECT_TRUE(v.isNumeric()) << v.typeName() << " " << v.toString();
    for (const Variant& v :
         {Variant(Variant::Null), Variant(""), Variant("1.2.3"), Variant("nan"), Variant(nullptr)})
        EXPECT_FALSE(v.isNumeric()) << v.typeName();
}

TEST(VariantTest, HexTextWidths) {
    const std::pair<const char*, int32_t> cases[] = {
        {"&H0", 0},         {"&h7fff", 32767},
        {"&H8000", -32768}, {"&HFFFF", -1},
        {"&H10000", 65536}, {"&H7FFFFFFF", 2147483647},
        {"&HFFFFFFFF", -1}, {" &H10 ", 16},
        {"&HFF", 255},      {"&H8000000F", static_cast<int32_t>(0x8000000F)}};
    for (auto [text, value] : cases)
        EXPECT_EQ(Variant(text).toInt32(), value) << text;
    for (const char* bad : {"&H", "&H100000000", "&HG", "&H-1", "H10"})
        EXPECT_EQ(failureNumber([&] { Variant(bad).toInt32(); }), 13) << bad;
}

TEST(VariantTest, DecimalTextOfDoublesAndSingles) {
    const std::pair<Variant, const char*> cases[] = {
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
    for (const auto& [value, text] : cases)
        EXPECT_EQ(value.toString(), text) << text;
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
    const std::tuple<const char*, bool, double> cases[] = {
        {" -12 ", true, -12}, {"12-", true, -12}, {"(12)", true, -12}, {"$1,234.50", true, 1234.5},
        {"-$5", true, -5},    {"$-5", true, -5},  {"5 $", true, 5},    {"1.5E3", true, 1500},
        {"2D-1", true, 0.2},  {".5", true, 0.5},  {"&H10", true, 16},  {"1,5", false, 0},
        {"--5", false, 0},    {"-5-", false, 0},  {"(-5)", false, 0},  {"(5", false, 0},
        {"$$5", false, 0},    {"1e", false, 0},   {",123", false, 0},  {"1,234,5", false, 0},
        {"inf", false, 0},    {".", false, 0},
    };
    for (auto [text, numeric, value] : cases) {
        double d = 0;
        EXPECT_EQ(ov::Variant::parseNumber(text, d), numeric) << text;
        if (numeric) {
            EXPECT_DOUBLE_EQ(d, value) << text;
        }
    }
}

TEST(NumericTextTest, WholeNumbersFromTextRoundHalvesToEven) {
    for (auto [text, whole] : {std::pair{"4.5", 4}, {"5.5", 6}, {"-2.5", -2}, {"$7.5", 8}, {"(0.5)", 0}})
        EXPECT_EQ(ov::Variant(text).toInt32(), whole) << text;
}
