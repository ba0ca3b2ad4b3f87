#include "platform/Extender.h"
#include "platform/FailureCapture.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/FormFileFixture.h"

#include <span>

namespace ovtest {
namespace {

using namespace ov;
using ov::test::failureText;

// A form file with the given controls (a JSON list body) and more top-level members.
std::string formText(const std::string& controls, const std::string& more = "") {
    return R"({"format": "OvComCtl.Form", "version": 1, "name": "frmBroken")" + more + R"(, "controls": [)" +
           controls + "]}";
}

// A sampler entry with the given extender values and bag entries.
std::string sampler(const std::string& name, const std::string& extender = "{}",
                    const std::string& properties = "[]") {
    return R"({"progId": "OvComCtlTest.Sampler", "name": ")" + name + R"(", "extender": )" + extender +
           R"(, "properties": )" + properties + "}";
}

std::string entry(const std::string& key, const std::string& type, const std::string& value) {
    return R"({"key": ")" + key + R"(", "type": ")" + type + R"(", "value": )" + value + "}";
}

// A list of that one entry.
std::string only(const std::string& key, const std::string& type, const std::string& value) {
    return "[" + entry(key, type, value) + "]";
}

// A text (or the part of one each test varies) and the problem its refusal names.
using Case = std::pair<std::string, std::string>;

class FormFileRefusalTest : public FormFileFixture {
protected:
    // Loads `text` from a file and expects the failure; then checks that nothing is left: no sample
    // object alive, and every control that started also ended.
    void expectRefused(const std::string& text, int number, const std::string& problem) {
        const std::string path = pathOf("broken.json");
        spit(path, text);
        Sampler::journal().clear();
        const std::string prefix = number == 321 ? " Invalid file format: " + path + ": " : " " + path + ": ";
        EXPECT_EQ(failureText([&] { Form::load(path, Mode::Design); }),
                  std::to_string(number) + prefix + problem)
            << text;
        EXPECT_EQ(Sampler::alive() + Memo::alive(), 0) << text;
        int started = 0, ended = 0;
        for (const std::string& line : Sampler::journal()) {
            started += line.ends_with(" Initialize");
            ended += line.ends_with(" Terminate");
        }
        EXPECT_EQ(started, ended) << text;
    }
    // Each case's text, made a whole file by `whole`, is refused with 321 naming its problem after `prefix`.
    template <class Whole>
    void expectRefused(std::span<const Case> cases, Whole whole, const std::string& prefix = "") {
        for (const auto& [text, problem] : cases) {
            SCOPED_TRACE(problem);
            expectRefused(whole(text), 321, prefix + problem);
        }
    }
};

TEST_F(FormFileRefusalTest, BrokenDocumentIsRefused) {
    auto doc = [](const std::string& members) { return R"({"format": "OvComCtl.Form", )" + members + "}"; };
    const Case cases[] = {
        {"{\"format\": \"OvComCtl.Form\",\n  \"version\": 1,\n  \"name\": }",
         "not valid JSON (line 3, column 11)"},
        {"", "not valid JSON (line 1, column 1)"},
        {formText(sampler("One")).substr(0, 60), "not valid JSON (line 1, column 61)"},
        {"[]", "not a form file (not a JSON object)"},
        {R"({"version": 1, "name": "frmA"})", "not a form file (its format is not \"OvComCtl.Form\")"},
        {R"({"format": "Other", "version": 1, "name": "frmA"})",
         "not a form file (its format is not \"OvComCtl.Form\")"},
        {doc(R"("name": "frmA")"), "the file has no version"},
        {doc(R"("version": 2, "name": "frmA")"), "version 2 is newer than this library reads (1)"},
        {doc(R"("version": "1", "name": "frmA")"), "the version must be a whole number from 1 to 2147483647"},
        {doc(R"("version": 0, "name": "frmA")"), "the version must be a whole number from 1 to 2147483647"},
        {doc(R"("version": 1)"), "the form has no name"},
        {doc(R"("version": 1, "name": 7)"), "the form name must be text"},
        {doc(R"("version": 1, "name": "frm A")"), "the form name 'frm A' is not an identifier"},
        {doc(R"("version": 1, "name": "frmA", "NAME": "frmB")"), "the key \"name\" appears twice"},
        {formText("") + "x", "not valid JSON (line 1, column 79)"},
        {doc(R"("version": 1, "name": "frmA", "controls": {})"), "the controls must be a JSON list"},
    };
    expectRefused(cases, [](const std::string& text) { return text; });
}

TEST_F(FormFileRefusalTest, AbsurdFormPropertiesAreRefused) {
    const Case cases[] = {
        {R"({"Width": -1})", "form Width must be a number from 0 to 1000000"},
        {R"({"Height": 1000000.5})", "form Height must be a number from 0 to 1000000"},
        {R"({"Left": -2e9})", "form Left must be a number from -1000000000 to 1000000000"},
        {R"({"WindowState": 3})", "form WindowState must be a whole number from 0 to 2"},
        {R"({"BorderStyle": 2.5})", "form BorderStyle must be a whole number from 0 to 5"},
        {R"({"StartUpPosition": -1})", "form StartUpPosition must be a whole number from 0 to 3"},
        {R"({"ControlBox": 1})", "form ControlBox must be true or false"},
        {R"({"BackColor": 4294967296})",
         "form BackColor must be a whole number from -2147483648 to 4294967295"},
        {R"({"Caption": null})", "form Caption must be text"},
        {R"({"Font": {"size": 0}})", "form Font: the font size must be a number from 1 to 2048"},
        {R"({"Font": {"weight": 1001}})", "form Font: the font weight must be a whole number from 0 to 1000"},
        {R"({"Font": "Arial"})", "form Font: a font must be a JSON object"},
        {R"([])", "the form properties must be a JSON object"},
    };
    expectRefused(cases, [](const std::string& text) {
        return formText(sampler("One"), R"(, "properties": )" + text);
    });
}

TEST_F(FormFileRefusalTest, BadControlEntriesAreRefusedNamingTheControl) {
    const std::string one = sampler("One");
    const Case cases[] = {
        {one + ", 5", "control #2: the entry must be a JSON object"},
        {R"({"progId": "OvComCtlTest.Sampler"})", "control #1: the control has no name"},
        {one + "," + sampler("two words"), "control #2: 'two words' is not a valid control name"},
        {sampler(std::string(41, 'a')),
         "control #1: '" + std::string(41, 'a') + "' is not a valid control name"},
        {one + "," + sampler("ONE"), "control ONE: another control has the same name"},
        {R"({"name": "One"})", "control One: the control has no program id"},
        {R"({"name": "One", "progId": "No.Such"})", "control One: unknown program id 'No.Such'"},
        {R"({"name": "One", "progId": "OvComCtlTest.Memo"})",
         "control One: 'OvComCtlTest.Memo' is not a control"},
        {sampler("One", R"({"Width": -5})"),
         "control One: extender Width must be a number from 0 to 1000000"},
        {sampler("One", R"({"Top": 1.5e9})"),
         "control One: extender Top must be a number from -1000000000 to 1000000000"},
        {sampler("One", R"({"Align": 5})"), "control One: extender Align must be a whole number from 0 to 4"},
        {sampler("One", R"({"Visible": "yes"})"), "control One: extender Visible must be true or false"},
        {sampler("One", R"({"Tag": 5})"), "control One: extender Tag must be text"},
        {sampler("One", R"({"HelpContextID": 2147483648})"),
         "control One: extender HelpContextID must be a whole number from -2147483648 to 2147483647"},
        {sampler("One", R"({"Container": "Box"})"),
         "control One: extender Container: no control named 'Box' comes before it"},
        {sampler("One", R"({"Container": "Box"})") + "," + sampler("Box"),
         "control One: extender Container: no control named 'Box' comes before it"},
        {sampler("One", R"({"Container": "one"})"),
         "control One: extender Container: no control named 'one' comes before it"},
        {sampler("One", "[]"), "control One: the extender values must be a JSON object"},
    };
    expectRefused(cases, [](const std::string& text) { return formText(text); });
}

TEST_F(FormFileRefusalTest, WrongValueTypesAreRefusedNamingControlAndKey) {
    std::string nested = "[]";
    for (int i = 0; i < 17; ++i)
        nested =
            R"([{"key": "Next", "type": "Object", "progId": "OvComCtlTest.Memo", "value": )" + nested + "}]";
    std::string deepNext; // one step for each of the 17 levels
    for (int i = 0; i < 17; ++i)
        deepNext += "property Next: ";
    auto number = [](const char* within) {
        return std::string("a number within \u00B1") + within + ", \"NaN\", \"Infinity\" or \"-Infinity\"";
    };
    const Case cases[] = {
        {"{}", "the properties must be a JSON list"},
        {"[1]", "property #1: the entry must be a JSON object"},
        {R"([{"type": "Long", "value": 1}])", "property #1: the entry has no key"},
        {R"([{"key": "", "type": "Long", "value": 1}])", "property #1: the key is empty"},
        {R"([{"key": "Count", "value": 1}])", "property Count: the entry has no type"},
        {only("Count", "Currency", "1"), "property Count: unknown type 'Currency'"},
        {R"([{"key": "Count", "type": "Long"}])", "property Count: a Long entry has no value"},
        {"[" + entry("Count", "Long", "1") + "," + entry("count", "Long", "2") + "]",
         "property count: the key appears twice"},
        {only("Flag", "Boolean", "1"), "property Flag: a Boolean value must be true or false"},
        {only("Small", "Integer", "32768"),
         "property Small: an Integer value must be a whole number from -32768 to 32767"},
        {only("Small", "Integer", "1.5"),
         "property Small: an Integer value must be a whole number from -32768 to 32767"},
        {only("Count", "Long", "-2147483649"),
         "property Count: a Long value must be a whole number from -2147483648 to 2147483647"},
        {only("Ratio", "Single", "1e39"), "property Ratio: a Single value must be " + number("3.40282e+38")},
        {only("Precise", "Double", "\"much\""),
         "property Precise: a Double value must be " + number("1.79769e+308")},
        {only("Text", "String", "5"), "property Text: a String value must be text"},
        {only("Font", "Font", "\"Arial\""), "property Font: a font must be a JSON object"},
        {"[" + entry("Font", "Font", R"({"charset": 256})") + "]",
         "property Font: the font charset must be a whole number from 0 to 255"},
        {only("Picture", "Picture", "\"not base64!\""),
         "property Picture: a Picture value must be base64 text"},
        {only("Picture", "Picture", "\"aGk=aGk=\""), "property Picture: a Picture value must be base64 text"},
        {only("Picture", "Picture", "\"aGVsbG8gd29ybGQ=\""),
         "property Picture: the picture is not a PNG image"},
        {R"([{"key": "Memo", "type": "Object", "value": []}])",
         "property Memo: the Object entry has no program id"},
        {R"([{"key": "Memo", "type": "Object", "progId": "OvComCtlTest.Nothing", "value": []}])",
         "property Memo: unknown program id 'OvComCtlTest.Nothing'"},
        {R"([{"key": "Memo", "type": "Object", "progId": "OvComCtlTest.Sampler", "value": []}])",
         "property Memo: 'OvComCtlTest.Sampler' is a control, not a class a property bag can hold"},
        {R"([{"key": "Memo", "type": "Object", "progId": "OvComCtlTest.Memo",
             "value": {}}])",
         "property Memo: the properties must be a JSON list"},
        {R"([{"key": "Memo", "type": "Object", "progId": "OvComCtlTest.Memo", "value": [)" +
             entry("Lines", "Long", "-1") + "]}]",
         "property Memo: the Memo object refused its properties: Lines cannot be negative"},
        {nested, deepNext + "objects nest more than 16 deep"},
    };
    expectRefused(
        cases, [](const std::string& text) { return formText(sampler("One", "{}", text)); }, "control One: ");
}

TEST_F(FormFileRefusalTest, ZOrderMustNameEveryControlOnce) {
    const std::string two = sampler("One") + "," + sampler("Two");
    const std::string problem = "zOrder must name every control once";
    expectRefused(formText(two, R"(, "zOrder": ["One"])"), 321, problem);
    expectRefused(formText(two, R"(, "zOrder": ["One", "one"])"), 321, problem + " ('one' appears twice)");
    expectRefused(formText(two, R"(, "zOrder": ["One", "Three"])"), 321,
                  problem + " ('Three' is not a control of the form)");
    expectRefused(formText(two, R"(, "zOrder": ["One", 2])"), 321, problem);
    expectRefused(formText(two, R"(, "zOrder": "One")"), 321, problem);
}

// Refusals that come from the controls themselves, after others have loaded: the number is the
// control's own, the description names file and control, and the controls loaded so far end.
TEST_F(FormFileRefusalTest, ControlFailuresWhileLoadingUndoEverything) {
    const std::string three = sampler("First") + "," + sampler("Second") + "," + sampler("Third");
    Sampler::failAt() = "Second ReadProperties";
    expectRefused(formText(three), 5, "control Second: sampler fails in ReadProperties");
    EXPECT_EQ(Sampler::journal(),
              (std::vector<std::string>{"First Initialize", "First ReadProperties", "Second Initialize",
                                        "Second ReadProperties", "Second Terminate", "First Terminate"}));
    Sampler::failAt().clear();

    // A value of the right file type that the control cannot use.
    expectRefused(formText(sampler("One", "{}", only("Small", "String", "\"many\""))), 13,
                  "control One: Type mismatch (\"many\" is not a number)");
    // A container control that takes no controls: the form's own check.
    expectRefused(formText(R"({"progId": "OvComCtlTest.Probe", "name": "Box"},)" +
                           sampler("One", R"({"Container": "Box"})")),
                  380, "control One: Invalid property value (One: no container control named Box)");
}

} // namespace
} // namespace ovtest
