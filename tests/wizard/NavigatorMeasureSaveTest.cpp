// The navigator's measures on a real wizard: its writers store any value and lay the strip out (a
// 32-bit overflow of the right button's place is a failure reported by the wizard's convention, and
// sizes below 15 are ignored). A form file holds only what a load accepts, so saving a navigator that
// holds more is refused, naming the file, the control and the key, and the old file is kept.
#include "platform/FailureCapture.h"
#include "support/TestFiles.h"
#include "support/WizardFixture.h"

#include <climits>
#include <tuple>

using namespace ov;

namespace {

using Log = std::vector<std::string>;

class NavigatorMeasureSaveTest : public ovtest::WizardFixture {
protected:
    ovtest::TestFolder folder{"ov-measures"};
    const std::string path = (folder / "wizard.json").string();

    void SetUp() override {
        design({"Welcome", "Options", "Done"});
        form->save(path);
    }
    void open(Mode mode) {
        load(ovtest::readAll(path), mode);
        log.clear();
    }
};

// The strip of a designed wizard is 7450 wide; the default lefts are 6180, 4895, 3775, 2490.
struct MeasureWrite {
    const char* key;
    int32_t value;
    int32_t reads;            // what the property answers afterwards
    std::vector<float> lefts; // right, right-middle, left-middle, left
    const char* sizes;        // top width height
    const char* reported;     // the failure the navigator reports, or nullptr
    const char* refusal;      // why a save is refused, or nullptr when it saves
};

const std::vector<float> kDefaultLefts{6180, 4895, 3775, 2490};

// clang-format off
const MeasureWrite kMeasureWrites[] = {
    {"ButtonWidth", 2000000, 2000000, {-1992700, -3992865, -5992865, -7993030}, "210 2000000 345", nullptr,
     "the Long 2000000 is outside 0 to 1000000"},
    {"ButtonHeight", 1000001, 1000001, kDefaultLefts, "210 1120 1000001", nullptr,
     "the Long 1000001 is outside 0 to 1000000"},
    {"ButtonGapTop", -1000001, -1000001, kDefaultLefts, "-1000001 1120 345", nullptr,
     "the Long -1000001 is outside -1000000 to 1000000"},
    {"ButtonGapTop", 1000001, 1000001, kDefaultLefts, "1000001 1120 345", nullptr,
     "the Long 1000001 is outside -1000000 to 1000000"},
    {"ButtonGapRight", 1000001, 1000001, {-993671, -994956, -996076, -997361}, "210 1120 345", nullptr,
     "the Long 1000001 is outside -1000000 to 1000000"},
    {"ButtonGapMiddle", -1000001, -1000001, {6180, 1005061, 1003941, 2002822}, "210 1120 345", nullptr,
     "the Long -1000001 is outside -1000000 to 1000000"},
    // 7450 - 1120 + 2^31 leaves 32 bits: reported, the value kept, the buttons where they were.
    {"ButtonGapRight", INT_MIN, INT_MIN, kDefaultLefts, "210 1120 345",
     "OnError 6 Overflow Nav::ButtonGapRight (Let)", "the Long -2147483648 is outside -1000000 to 1000000"},
    // Sizes below 15 are ignored: nothing changes and the form saves.
    {"ButtonWidth", -5, 1120, kDefaultLefts, "210 1120 345", nullptr, nullptr},
    {"ButtonHeight", 14, 345, kDefaultLefts, "210 1120 345", nullptr, nullptr},
};
// clang-format on

} // namespace

TEST_F(NavigatorMeasureSaveTest, WritersLayOutAnyValueAndASaveRefusesWhatALoadWould) {
    const std::string saved = ovtest::readAll(path);
    for (const MeasureWrite& m : kMeasureWrites) {
        SCOPED_TRACE(std::string(m.key) + " " + std::to_string(m.value));
        runtime.headlessMessageBox().clear();
        open(Mode::Design);
        Extender& site = nav->extender();

        site.let(m.key, m.value);

        EXPECT_EQ(std::tuple(site.get(m.key), lefts(), buttonSizes()),
                  std::tuple(Variant(m.reads), m.lefts, m.sizes));
        EXPECT_EQ(log, m.reported ? Log{m.reported} : Log{});
        EXPECT_EQ(prompts(), m.reported ? Log{"Error: 6\r\nOverflow"} : Log{});
        // A write that failed or was ignored tells the container nothing.
        EXPECT_EQ(site.changedKeys(), !m.reported && m.reads == m.value ? Log{m.key} : Log{});
        const std::string refusal = m.refusal ? "380 Invalid property value: " + path +
                                                    ": control Nav: property " + m.key + ": " + m.refusal
                                              : "";
        EXPECT_EQ(test::failureText([&] { form->save(path); }), refusal);
        EXPECT_EQ(ovtest::readAll(path), saved);
    }
}

TEST_F(NavigatorMeasureSaveTest, TheEndsOfWhatAFileHoldsSaveAndLoadBack) {
    const char* keys[] = {"ButtonGapTop", "ButtonGapRight", "ButtonGapMiddle", "ButtonHeight", "ButtonWidth"};
    const int32_t ends[][5] = {{-1000000, -1000000, -1000000, 15, 15},
                               {1000000, 1000000, 1000000, 1000000, 1000000}};
    for (const auto& e : ends) {
        SCOPED_TRACE(e[4]);
        open(Mode::Design);
        for (size_t i = 0; i < 5; ++i)
            nav->let(keys[i], e[i]);
        form->save(path);
        for (Mode mode : {Mode::Design, Mode::Run}) {
            open(mode);
            for (size_t i = 0; i < 5; ++i)
                EXPECT_EQ(nav->get(keys[i]), Variant(e[i])) << keys[i];
            EXPECT_EQ(std::tuple(button(Right).Width(), button(Right).Top()),
                      std::tuple(static_cast<float>(e[4]), static_cast<float>(e[0])));
        }
    }
    EXPECT_TRUE(boxes().empty());
}

TEST_F(NavigatorMeasureSaveTest, AfterAnOverflowAResizeStillGivesThePagesTheirHeight) {
    open(Mode::Run);
    form->show();
    nav->let("ButtonGapRight", INT_MIN);
    ASSERT_EQ(log, std::vector<std::string>{"OnError 6 Overflow Nav::ButtonGapRight (Let)"});
    // The user drags the form: the navigator snaps it back and lays out its strip, which overflows
    // again (ignored while resizing); the pages still hear their height.
    std::vector<int32_t> heights;
    ScopedConnection c = mediator().YouMustChangeYourHeight.connect([&](int32_t h) { heights.push_back(h); });
    form->setWidth(9000);
    EXPECT_EQ(form->Width(), 7540);
    const auto top = static_cast<int32_t>(nav->extender().Top());
    ASSERT_FALSE(heights.empty());
    EXPECT_EQ(std::tuple(heights.back(), page("Options")->Height(), log.size()),
              std::tuple(top - 15, static_cast<float>(top - 15), size_t{1}));
    EXPECT_EQ(lefts(), kDefaultLefts);
}
