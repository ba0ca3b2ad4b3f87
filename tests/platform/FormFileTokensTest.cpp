// Form-file text is read as a list of tokens (JsonTape), not a tree: the tokens must take exactly the
// texts nlohmann's parser takes, with the same values, and a file keeps every refusal's words.
#include "platform/FailureCapture.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/FormFileFixture.h"
#include "platform/JsonTape.h"

#include <nlohmann/json.hpp>

namespace ovtest {
namespace {

using namespace ov;
using ov::test::failureText;
using Json = nlohmann::ordered_json;

// The tree the tokens describe, numbers as doubles (a repeated key keeps its first place and takes the
// last value, as a parser's tree has it).
Json treeOf(const JsonTape& t, JsonTape::Node n) {
    switch (t.kind(n)) {
    case JsonTape::Kind::Object: {
        Json o(Json::value_t::object);
        for (auto k = n + 1; k < t.end(n); k = t.end(k + 1))
            o[t.string(k)] = treeOf(t, k + 1);
        return o;
    }
    case JsonTape::Kind::Array: {
        Json a(Json::value_t::array);
        for (auto i = n + 1; i < t.end(n); i = t.end(i))
            a.push_back(treeOf(t, i));
        return a;
    }
    case JsonTape::Kind::String:
        return t.string(n);
    case JsonTape::Kind::Number:
        return t.number(n);
    case JsonTape::Kind::True:
        return true;
    case JsonTape::Kind::False:
        return false;
    case JsonTape::Kind::Null:
        return nullptr;
    }
    return {};
}

Json doubled(const Json& j) {
    if (j.is_number()) return j.get<double>();
    if (!j.is_structured()) return j;
    Json out = j;
    for (auto& [k, v] : out.items())
        v = doubled(v);
    return out;
}

TEST(JsonTape, TakesWhatNlohmannTakesWithTheSameValues) {
    const std::string deep = std::string(300, '[') + std::string(300, ']');
    // clang-format off
    const std::string texts[] = {
        // taken: plain JSON, a byte order mark, deep nesting, numbers at the limits of integers and
        // doubles (too small for a double is 0 or subnormal), escapes, a repeated key
        R"({"format":"OvComCtl.Form","version":1,"controls":[{"name":"Nav","properties":[]}]})",
        " \t\r\n[ 1 , -1 , 0 , -0 , 0.5 , -0.0 , 1e3 , 1E-2 , 2.5e+1 , 18446744073709551615 ] \n",
        "[9223372036854775807, -9223372036854775808, 18446744073709551616, -9223372036854775809]",
        "[999999999999999999, 1000000000000000000, -999999999999999999, 123456789012345678901234567890]",
        "[1.7976931348623157e308, 4.9e-324, 1e-400, -1e-400, 0.1, 0e0, -0e-0]",
        // decimals with 15 digits (read as an exact quotient) and more (read in full)
        "[4680.0, -0.0, 0.000000000000001, 12345678901234.5, 1234567890123.456, 123456789012345.6, 0.30000000000000004]",
        "[9007199254740993.0, 0.1000000000000000055511151231257827, 99999999999999999999.5, -1234.56789e0]",
        R"(["", "a\"b\\c\/d\b\f\n\r\t", "\u0041\u00e9\u20AC\ud83d\ude00\u0000x", "é€😀", "\uDBFF\uDFFF"])",
        R"({"b":1,"a":2,"B":3,"b":[4],"\u0062":5})", "\xEF\xBB\xBF{}", "{ }", "[ ]", "\"only a string\"", "-12",
        deep, std::string("{}\0 garbage", 10), std::string("[1\0", 3), std::string("[1,\0 2]", 6),
        std::string("\"a\0b\"", 5), std::string("tr\0ue", 5),
        // refused
        "", "   ", "\xEF\xBB{}", "\xEF\xBB\xBF", "{} // comment", "[1,]", "{\"a\" 1}", "{\"a\":1,}", "[01]", "[1.]",
        "[.5]", "[1e]", "[-]", "[+1]", "[1e400]", "[-1e400]", "[tru]", "[nulls]", "{} {}", "\"unterminated",
        "\"tab\tinside\"", R"("\x")", R"("\u12G4")", R"("\u12")", R"("\ud83d")", R"("\ud83d\u0041")", R"("\ude00")",
        "\"\xC3\"", "\"\xC0\xAF\"", "\"\xED\xA0\x80\"", "\"\xF4\x90\x80\x80\"", "\"\xFF\"", "{\"a\":1 \"b\":2}",
        "{1:2}", "[1 2]", "[", "{", "{\"a\"", "{\"a\":", deep.substr(0, 450)};
    // clang-format on
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        JsonTape tape;
        const bool taken = Json::accept(text);
        ASSERT_EQ(tape.parse(text, 1000), taken);
        if (taken) {
            EXPECT_EQ(treeOf(tape, 0).dump(), doubled(Json::parse(text)).dump());
        }
    }
}

TEST(JsonTape, CountsValuesNotKeys) {
    JsonTape tape;
    EXPECT_TRUE(tape.parse("[1,2,[3]]", 5)); // the two lists and three numbers
    EXPECT_FALSE(tape.parse("[1,2,[3]]", 4));
    EXPECT_TRUE(tape.parse(R"({"a":1,"b":{}})", 3));
    EXPECT_FALSE(tape.parse(R"({"a":1,"b":{}})", 2));
}

class FormFileTokensTest : public FormFileFixture {
protected:
    static std::string form(const std::string& members) {
        return R"({"format": "OvComCtl.Form", "version": 1, "name": "frmT")" + members + "}";
    }
    static std::string refusal(const std::string& text) {
        return failureText([&] { FormFile::read(text, "t.json", Mode::Design); });
    }
};

// A key written twice the same way is one member with the last value; written twice in different
// letter case it is ambiguous, escapes decoded first. The checks keep their order whatever the order of
// the text, and a broken text is refused for that before any check; the text ends at a NUL byte.
TEST_F(FormFileTokensTest, RefusesWithTheWordsItAlwaysHad) {
    const std::string p = "321 Invalid file format: t.json: ";
    const std::string S = R"({"progId": "OvComCtlTest.Sampler", "name": "S", "properties": [)";
    const std::pair<std::string, std::string> cases[] = {
        {form(R"(, "version": 9)"), p + "version 9 is newer than this library reads (1)"},
        {form(R"(, "version": 9, "version": 1)"), ""},
        {form("") + std::string("\0 read no further", 18), ""},
        {form(R"(, "Version": 9, "version": 1)"), p + "the key \"version\" appears twice"},
        {form(R"(, "n\u0041me": "frmU")"), p + "the key \"name\" appears twice"},
        {form(R"(, "name": "fr\u006dT", "n\u0061me": "frmT")"), ""},
        {R"({"zOrder": ["B", "A"], "controls": [{"progId": "OvComCtlTest.Sampler", "name": "A"},
           {"progId": "OvComCtlTest.Sampler", "name": "A"}], "format": "OvComCtl.Form", "version": 1,
           "name": "f"})",
         p + "control A: another control has the same name"},
        {form(R"(, "controls": [)" + S + R"({"key": "Text", "type": "Str\u0069ng", "value": 1}]}])"),
         p + "control S: property Text: a String value must be text"},
        {form(R"(, "controls": [)" + S + R"({"key": "\u0054ext", "type": "Long", "value": 2147483648}]}])"),
         p + "control S: property Text: a Long value must be a whole number from -2147483648 to 2147483647"},
        {form(R"(, "controls": [)" + S + R"({"key": "Count", "type": "Long", "value": 1.5}]}])"),
         p + "control S: property Count: a Long value must be a whole number from -2147483648 to 2147483647"},
        {form(R"(, "controls": [)" + S + R"({"key": "Count", "type": "Long", "value": 1e400}]}])"),
         p + "not valid JSON"},
        {R"({"format": "nope", "version": 1, "name": "f",})", p + "not valid JSON (line 1, column 46)"},
        {"{\"format\": \"OvComCtl.Form\",\n \"version\": 1, \"name\": \"f\xFF\"}",
         p + "not valid JSON (line 2, column 26)"},
    };
    for (const auto& [text, failure] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(refusal(text), failure);
    }
}

// Values at their limits and text with escapes reach the control as the text says.
TEST_F(FormFileTokensTest, ValuesAtTheirLimitsLoad) {
    const std::string text =
        form(R"(, "controls": [{"progId": "OvComCtlTest.Sampler", "name": "S", "properties": [
        {"key": "Small", "type": "Integer", "value": -32768}, {"key": "Count", "type": "Long", "value": -0},
        {"key": "ForeColor", "type": "Long", "value": 2147483647}, {"key": "Ratio", "type": "Single", "value": 1e-400},
        {"key": "Precise", "type": "Double", "value": -1.7976931348623157e308},
        {"key": "Text", "type": "String", "value": "a\u00e9\ud83d\ude00\"\\\/\n\u0000z"}]}])");
    auto f = FormFile::read(text, "t.json", Mode::Design);
    auto s = f->control<Sampler>("S");
    EXPECT_EQ(std::tuple(s->value("Small").toInt16(), s->value("Count").toInt32(),
                         s->value("ForeColor").toInt32(), s->value("Ratio").toSingle(),
                         s->value("Precise").toDouble()),
              std::tuple(-32768, 0, 2147483647, 0.0f, -1.7976931348623157e308));
    EXPECT_EQ(s->value("Text").toString(), std::string("a\xC3\xA9\xF0\x9F\x98\x80\"\\/\n\0z", 13));
    f->unload();
}

// Cut anywhere, a form file is not JSON, and is refused for that with the place it ends.
TEST_F(FormFileTokensTest, EveryCutIsRefusedWhereTheTextEnds) {
    const std::string text = form(R"(, "controls": [{"progId": "OvComCtlTest.Sampler", "name": "S",
        "properties": [{"key": "Text", "type": "String", "value": "\u00e9\ud83d\ude00"},
        {"key": "Precise", "type": "Double", "value": -1.5e-3}, {"key": "Flag", "type": "Boolean", "value": true}]}]
        , "zOrder": null)");
    for (size_t n = 0; n < text.size(); ++n) {
        const std::string cut = text.substr(0, n);
        const size_t line = static_cast<size_t>(std::count(cut.begin(), cut.end(), '\n')) + 1;
        const size_t column = n - (cut.rfind('\n') == std::string::npos ? 0 : cut.rfind('\n') + 1) + 1;
        EXPECT_EQ(refusal(cut), "321 Invalid file format: t.json: not valid JSON (line " +
                                    std::to_string(line) + ", column " + std::to_string(column) + ")")
            << n;
    }
}

} // namespace
} // namespace ovtest
