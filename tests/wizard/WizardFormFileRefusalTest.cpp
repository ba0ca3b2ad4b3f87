// A form file loads whole or not at all, also inside the wizard controls: a stored value that a
// property cannot take refuses the load with 321 naming the file, the control and the key, whatever
// the control's own failure handling would have made of it, and leaves nothing behind.
#include "platform/FailureCapture.h"
#include "platform/FormFile.h"
#include "support/WizardFixture.h"

#include <nlohmann/json.hpp>

using namespace ov;
using Json = nlohmann::ordered_json;

namespace {

class WizardFileRefusalTest : public ovtest::WizardFixture {
protected:
    std::string designed() {
        design({"Welcome", "Options", "Done"});
        std::string file = text();
        form->unload();
        return file;
    }
    // The file with `key` of `control` stored as the given entry (replacing any entry under it).
    static std::string withEntry(const std::string& file, const std::string& control, const std::string& key,
                                 const std::string& type, const Json& value) {
        Json doc = Json::parse(file);
        for (auto& c : doc["controls"]) {
            if (c["name"] != control) continue;
            Json kept = Json::array();
            for (auto& e : c["properties"])
                if (e["key"] != key) kept.push_back(e);
            kept.push_back({{"key", key}, {"type", type}, {"value", value}});
            c["properties"] = kept;
        }
        return doc.dump();
    }
};

struct BadValue {
    const char* control;
    const char* key;
    const char* type;
    Json value;
    const char* problem;
};

const BadValue kBadValues[] = {
    {"Nav", "ButtonGapTop", "String", "abc", "the String \"abc\" does not convert to Long"},
    {"Nav", "ButtonGapRight", "Double", "NaN", "the Double NaN does not convert to Long"},
    {"Nav", "ButtonGapMiddle", "Long", -1000001, "the Long -1000001 is outside -1000000 to 1000000"},
    {"Nav", "ButtonWidth", "Long", 2147483647, "the Long 2147483647 is outside 0 to 1000000"},
    {"Nav", "ButtonHeight", "Long", -1, "the Long -1 is outside 0 to 1000000"},
    {"Nav", "ParentHeight", "Double", 1e7, "the Double 10000000 is outside 0 to 1000000"},
    {"Nav", "StartPage", "Double", 2147483648.0, "the Double 2147483648 does not convert to Long"},
    {"Nav", "BackColor", "Double", "NaN", "the Double NaN does not convert to OLE_COLOR"},
    {"Nav", "HoldParentSize", "String", "maybe", "the String \"maybe\" does not convert to Boolean"},
    {"Nav", "DefaultButton", "String", "Next",
     "the String \"Next\" does not convert to ovEn_Button_Position"},
    {"Nav", "LeftButtonRule", "Double", 1e10, "the Double 10000000000 does not convert to ovEn_Button_Rule"},
    {"Nav", "ImageBanner", "String", "banner.png",
     "the String \"banner.png\" does not convert to StdPicture"},
    {"Nav", "ButtonFont", "Long", 12, "the Long 12 does not convert to StdFont"},
    {"Nav", "FinishCaption", "Null", nullptr, "the Null value does not convert to String"},
    {"Options", "PageIndex", "Double", 2147483648.0, "the Double 2147483648 does not convert to Long"},
    {"Options", "PageIndex", "Double", -2147483649.0, "the Double -2147483649 does not convert to Long"},
    {"Options", "PageNext", "String", "last", "the String \"last\" does not convert to Long"},
    {"Options", "BorderStyle", "Integer", 2, "the Integer 2 is outside 0 to 1"},
    {"Options", "BannerTitleColor", "String", "red", "the String \"red\" does not convert to OLE_COLOR"},
    {"Options", "PageMode", "Double", "NaN", "the Double NaN does not convert to En_Page_Mode"},
    {"Options", "LBVisible", "String", "abc", "the String \"abc\" does not convert to Boolean"},
    {"Options", "BannerTitle", "Null", nullptr, "the Null value does not convert to String"},
    {"Options", "BannerTitleFont", "String", "Arial", "the String \"Arial\" does not convert to StdFont"},
    // Written with a small "m", asked for with a capital one: the refusal names the key in the file.
    {"Options", "WatermarkTitleFont", "Long", 5, "the Long 5 does not convert to StdFont"},
};

} // namespace

TEST_F(WizardFileRefusalTest, AValueAPropertyCannotTakeRefusesTheWholeFile) {
    const std::string good = designed();
    for (const BadValue& bad : kBadValues) {
        const std::string file = withEntry(good, bad.control, bad.key, bad.type, bad.value);
        for (Mode mode : {Mode::Run, Mode::Design}) {
            SCOPED_TRACE(std::string(bad.control) + " " + bad.key + (mode == Mode::Run ? " run" : " design"));
            EXPECT_EQ(test::failureText([&] { FormFile::read(file, "wizard.json", mode); }),
                      std::string("321 Invalid file format: wizard.json: control ") + bad.control +
                          ": property " + bad.key + ": " + bad.problem);
            EXPECT_TRUE(boxes().empty()) << boxes().front().prompt;
            EXPECT_TRUE(!wizardThreadState().registry || registry().Count() == 0); // no page registered
        }
    }
    // Nothing of the refused loads lingers: the designed wizard loads and runs as on a fresh thread.
    load(good, Mode::Run);
    form->show();
    EXPECT_EQ(std::tuple(nav->CurrentPage()->Name(), registry().Count()), std::tuple("Welcome", 3));
}

TEST_F(WizardFileRefusalTest, ValuesAtTheEndsOfWhatAPropertyTakesLoad) {
    const std::string good = designed();
    struct Accepted {
        const char* control;
        const char* key;
        const char* type;
        Json value;
        Variant loaded;
    };
    const Accepted accepted[] = {
        {"Nav", "ButtonWidth", "Long", 1000000, Variant(1000000)},
        {"Nav", "ButtonHeight", "Long", 0, Variant(0)},
        {"Nav", "ButtonGapTop", "Long", -1000000, Variant(-1000000)},
        {"Nav", "ButtonGapTop", "String", "12", Variant(12)}, // numeric text converts, as a by-name write
        {"Nav", "StartPage", "Double", -2147483648.0, Variant(-2147483647 - 1)},
        {"Options", "PageIndex", "Long", -2147483647 - 1, Variant(-2147483647 - 1)},
        {"Options", "PageBack", "Double", 2147483647.0, Variant(2147483647)},
        {"Options", "BorderStyle", "Integer", 1, Variant(int16_t{1})},
        {"Done", "TagVariant", "Long", 5, Variant(5)},
    };
    for (const Accepted& a : accepted) {
        SCOPED_TRACE(std::string(a.control) + " " + a.key);
        load(withEntry(good, a.control, a.key, a.type, a.value), Mode::Design);
        EXPECT_EQ(form->control(a.control)->get(a.key), a.loaded);
    }
    EXPECT_TRUE(boxes().empty());
}
