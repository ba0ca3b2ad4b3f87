// The fast JSON reader against nlohmann's parser: every text it takes gives the same tree (value types,
// member order, a repeated key), and every text it is not sure of is left to nlohmann.
#include "platform/JsonFastParse.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

using Json = nlohmann::ordered_json;

// Same type at every node (1 as an unsigned, -1 as a signed integer, 1.0 as a double), same values,
// same member order.
::testing::AssertionResult sameTree(const Json& a, const Json& b) {
    if (a.type() != b.type())
        return ::testing::AssertionFailure()
               << a.dump() << " is a " << a.type_name() << ", not a " << b.type_name();
    if (a.is_object() || a.is_array()) {
        if (a.size() != b.size()) return ::testing::AssertionFailure() << a.dump() << " vs " << b.dump();
        auto i = a.begin();
        auto j = b.begin();
        for (; i != a.end(); ++i, ++j) {
            if (a.is_object() && i.key() != j.key())
                return ::testing::AssertionFailure() << "key " << i.key() << " vs " << j.key();
            if (auto r = sameTree(*i, *j); !r) return r;
        }
        return ::testing::AssertionSuccess();
    }
    if (a != b) return ::testing::AssertionFailure() << a.dump() << " vs " << b.dump();
    if (a.is_number_float() && std::signbit(a.get<double>()) != std::signbit(b.get<double>()))
        return ::testing::AssertionFailure() << "sign of zero";
    return ::testing::AssertionSuccess();
}

TEST(JsonFastParse, TakesPlainJsonAsNlohmannDoes) {
    const char* texts[] = {
        R"({"format":"OvComCtl form","version":1,"controls":[{"name":"Nav","properties":[]}]})",
        " \t\r\n[ 1 , -1 , 0 , -0 , 0.5 , -0.0 , 1e3 , 1E-2 , 2.5e+1 , 18446744073709551615 ] \n",
        "[9223372036854775807, -9223372036854775808, 18446744073709551616, -9223372036854775809]",
        "[1.7976931348623157e308, 4.9e-324, 0.1, 123456789012345678901234567890]",
        R"(["", "a\"b\\c\/d\b\f\n\r\t", "\u0041\u00e9\u20AC\ud83d\ude00\u0000x", "é€😀"])",
        R"({"b":1,"a":2,"B":3,"b":[4]})", // the repeated key keeps its place and takes the last value
        R"({"x":{"y":{"z":[[],{},[{}]]}},"t":true,"f":false,"n":null})",
        "\"only a string\"",
        "-12",
    };
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        Json fast;
        ASSERT_TRUE(ov::parseJsonFast(text, fast, 1000));
        EXPECT_TRUE(sameTree(fast, Json::parse(text)));
    }
}

TEST(JsonFastParse, LeavesEverythingElseToNlohmann) {
    const std::string deep = std::string(200, '[') + std::string(200, ']');
    // Among them: a byte order mark (nlohmann skips it), a number beyond a double, a high surrogate alone
    // or followed by no low one, a low one alone, a cut UTF-8 sequence, an overlong form, an encoded
    // surrogate, a code beyond U+10FFFF, and nesting deeper than the fast reader recurses.
    // clang-format off
    const std::string texts[] = {
        "", "   ", "\xEF\xBB\xBF{}", "{} // comment", "[1,]", "{\"a\" 1}", "{\"a\":1,}", "[01]", "[1.]", "[.5]",
        "[1e]", "[-]", "[+1]", "[1e400]", "[tru]", "[nulls]", "{} {}", "\"unterminated", "\"tab\tinside\"",
        R"("\x")", R"("\u12G4")", R"("\ud83d")", R"("\ud83d\u0041")", R"("\ude00")", "\"\xC3\"", "\"\xC0\xAF\"",
        "\"\xED\xA0\x80\"", "\"\xF4\x90\x80\x80\"", "\"\xFF\"", deep};
    // clang-format on
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        Json out;
        EXPECT_FALSE(ov::parseJsonFast(text, out, 1000));
    }
}

TEST(JsonFastParse, StopsAtTheValueLimit) {
    Json out;
    EXPECT_TRUE(ov::parseJsonFast("[1,2,[3]]", out, 5)); // the two arrays and three numbers
    EXPECT_FALSE(ov::parseJsonFast("[1,2,[3]]", out, 4));
    EXPECT_FALSE(ov::parseJsonFast(R"({"a":1,"b":2})", out, 2));
}

} // namespace
