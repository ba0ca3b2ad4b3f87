// The option-list text byte for byte, what a broken one does, and the options dialog saved to a
// form file and loaded again.
#include "OptionsFixture.h"
#include "platform/CommandButton.h"
#include "platform/FailureCapture.h"
#include "support/TestFiles.h"

#include <filesystem>
#include <fstream>
#include <tuple>

using namespace ov;
using ov::test::failureFrom;

namespace {

class OptionListTextTest : public ovtest::OptionsFixture {
protected:
    ovtest::TestFolder folder{"ov_options"};
    std::string path(const char* name) { return (folder / name).string(); }
};

TEST_F(OptionListTextTest, EncodingWritesFiveOrSixFieldsAndCrLfAfterEveryRecord) {
    const std::string text =
        " \t_GENERAL\t0\tGeneral\t0\t_GENERAL\\VIEW\r\n_GENERAL\t_GENERAL\\VIEW\t1\tView\t1\r\n";
    auto col = DecodeOptions(text);
    COption& view = col->at("_GENERAL\\VIEW");
    EXPECT_EQ(std::tuple(view.strParentKey, view.strName, view.eOptionType, view.iTabIndex),
              std::tuple("_GENERAL", "View", en_OptionType::PropertyPage, 1));
    view.strSelectedProperty = "ignored for a page";
    EXPECT_EQ(EncodeOptions(col.get()), text);
    EXPECT_EQ(EncodeOptions(nullptr), "");
    EXPECT_EQ(EncodeOptions(DecodeOptions(kTree).get()), kTree);
}

TEST_F(OptionListTextTest, DecodingReadsUpToTheLastCrLfAndIgnoresAPagesSixthField) {
    struct Case {
        const char* text;
        int32_t count;
    } cases[] = {{"", 0},
                 {"\r\n", 0}, // one empty record... is not read: it has no fields
                 {" \t_A\t0\tA\t0\t\r\n \t_B\t0\tB\t0\t", 1},
                 {" \t_A\t0\tA\t0\t\r\n_A\t_A\\P\t1\tP\t7\tX\r\n", 2}};
    for (const Case& c : cases) {
        if (std::string(c.text) == "\r\n") {
            EXPECT_EQ(failureFrom([&] { DecodeOptions(c.text); })->number(), err::SubscriptOutOfRange);
            continue;
        }
        EXPECT_EQ(DecodeOptions(c.text)->Count(), c.count) << c.text;
    }
    auto col = DecodeOptions(cases[3].text);
    EXPECT_EQ(col->at("_a\\p").strSelectedProperty, ""); // found without letter case
    EXPECT_EQ(col->at("_A\\P").iTabIndex, 7);
}

TEST_F(OptionListTextTest, ABrokenRecordFailsNamingIt) {
    struct Case {
        const char* text;
        int number;
        const char* says;
    } cases[] = {
        {" \t_A\t0\tA\t0\t\r\n_A\t_A\\P\t1\tP\r\n", err::SubscriptOutOfRange, "record 2: 4 fields, 5 needed"},
        {" \t_A\t0\tA\t0\r\n", err::SubscriptOutOfRange, "record 1: a container record has 5 fields"},
        {" \t_A\tx\tA\t0\t\r\n", err::TypeMismatch, "record 1: type x"},
        {" \t_A\t0\tA\t40000\t\r\n", err::Overflow, "record 1: type 0, page index 40000"},
        {" \t_A\t0\tA\t0\t\r\n \t_a\t0\tA\t0\t\r\n", err::DuplicateKey, "record 2: key _a is used twice"},
    };
    for (const Case& c : cases) {
        auto f = failureFrom([&] { DecodeOptions(c.text); });
        ASSERT_TRUE(f) << c.text;
        EXPECT_EQ(f->number(), c.number) << c.text;
        EXPECT_NE(f->description().find(c.says), std::string::npos) << f->description();
    }
    std::string many;
    for (int i = 0; i < 32767; ++i)
        many += " \t_" + std::to_string(i) + "\t0\tx\t0\t\r\n";
    EXPECT_EQ(failureFrom([&] { DecodeOptions(many); })->number(), err::Overflow);
}

TEST_F(OptionListTextTest, NamesWithTabOrLineBreaksAreNotEncoded) {
    for (const char* name : {"a\tb", "a\rb", "a\nb"}) {
        auto col = DecodeOptions(kTree);
        col->at("_GENERAL\\FONTS").strName = name;
        auto f = failureFrom([&] { EncodeOptions(col.get()); });
        ASSERT_TRUE(f);
        EXPECT_EQ(f->number(), err::InvalidPropertyValue);
        EXPECT_NE(f->description().find("option 3, key _GENERAL\\FONTS:"), std::string::npos)
            << f->description();
    }
}

TEST_F(OptionListTextTest, TheDialogComesBackFromItsFormFile) {
    build(Mode::Design);
    click("_ADVANCED\\NETWORK\\PROXY");
    options->let("ShowApply", true);
    options->let("HelpApplyCaption", "Use");
    options->let("CustomVisible", true);
    form->control("pgProxy")->let("HeaderMode", 1);
    form->save(path("options.json"));
    const std::string file = ovtest::readAll(path("options.json"));
    // The keys in their written order; a default is not written.
    size_t at = 0;
    for (const char* key : {"TreeContainment", "ShowApply", "CustomVisible", "HelpApplyCaption"}) {
        const size_t found = file.find(std::string("\"") + key + "\"", at);
        EXPECT_NE(found, std::string::npos) << key;
        at = found;
    }
    EXPECT_EQ(file.find("\"CustomCaption\""), std::string::npos);

    auto run = Form::load(path("options.json"), Mode::Run);
    auto loaded = run->control<OvTreeBase>("Options");
    EXPECT_EQ(loaded->button(en_Buttons::btnApply).Caption(), "Use"); // the stored caption wins
    EXPECT_TRUE(loaded->button(en_Buttons::btnCustom).Visible());
    EXPECT_TRUE(loaded->button(en_Buttons::btnOK).Default());
    EXPECT_EQ(loaded->CurrentKey(), "_GENERAL\\VIEW"); // the first folder's remembered page
    EXPECT_EQ(EncodeOptions(loaded->mcolOptions().get()), loaded->objTabsManager()->strTreeContainment());
    EXPECT_EQ(shownPages(run.get()), " [pgView]");
    loaded->clickNode("_ADVANCED"); // remembered across the save
    EXPECT_EQ(shownPages(run.get()), " [pgProxy]");
    EXPECT_EQ(run->control("pgProxy")->get("HeaderMode").toInt32(), 1);
    EXPECT_EQ(run->control("lblProxy")->get("Caption").toString(), "Proxy settings");
}

TEST_F(OptionListTextTest, ABrokenTreeRefusesTheWholeForm) {
    build(Mode::Design);
    form->save(path("options.json"));
    std::string file = ovtest::readAll(path("options.json"));
    const std::string good = "_GENERAL\\t_GENERAL\\\\FONTS\\t1\\tFonts\\t2";
    const size_t at = file.find(good);
    ASSERT_NE(at, std::string::npos) << file;
    for (const char* bad :
         {"_GENERAL\\t_GENERAL\\\\FONTS\\t1\\tFonts", "_GENERAL\\t_GENERAL\\\\FONTS\\tone\\tFonts\\t2",
          " \\t_GENERAL\\\\FONTS\\t1\\tFonts\\t2"}) {
        std::string broken = file;
        broken.replace(at, good.size(), bad);
        std::ofstream(path("broken.json"), std::ios::binary) << broken;
        auto f = failureFrom([&] { Form::load(path("broken.json"), Mode::Run); });
        ASSERT_TRUE(f) << bad;
        EXPECT_EQ(f->number(), err::InvalidFileFormat);
        for (std::string says : {path("broken.json"), std::string("control Options"),
                                 std::string("TreeContainment"), std::string(" 3")})
            EXPECT_NE(f->description().find(says), std::string::npos) << f->description();
    }
}

TEST_F(OptionListTextTest, ASaveThatCouldNotLoadIsRefusedAndTheOldFileKept) {
    build(Mode::Design);
    form->save(path("options.json"));
    const std::string before = ovtest::readAll(path("options.json"));
    base->mcolOptions()->at("_GENERAL").strName = "Gen\teral";
    auto f = failureFrom([&] { form->save(path("options.json")); });
    ASSERT_TRUE(f);
    EXPECT_NE(f->description().find("TreeContainment"), std::string::npos) << f->description();
    EXPECT_EQ(ovtest::readAll(path("options.json")), before);
}

// Two pages stored with the same index: the one loaded second takes the smallest free index.
TEST_F(OptionListTextTest, AStoredIndexTakenAlreadyIsReplacedByTheSmallestFree) {
    build(Mode::Design);
    form->save(path("options.json"));
    std::string file = ovtest::readAll(path("options.json"));
    const std::string fonts =
        "\"key\": \"PageIndex\",\n          \"type\": \"Integer\",\n          \"value\": 2";
    const size_t at = file.find(fonts);
    ASSERT_NE(at, std::string::npos);
    file.replace(at, fonts.size(),
                 "\"key\": \"PageIndex\",\n          \"type\": \"Integer\",\n          \"value\": 3");
    std::ofstream(path("same.json"), std::ios::binary) << file;
    auto run = Form::load(path("same.json"), Mode::Run);
    std::string indexes;
    for (const char* p : {"pgView", "pgFonts", "pgProxy", "pgSecurity"})
        indexes += run->control(p)->get("PageIndex").toString();
    EXPECT_EQ(indexes, "1324");
}

} // namespace
