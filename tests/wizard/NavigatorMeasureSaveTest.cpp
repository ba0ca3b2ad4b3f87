// The navigator's measures on a real wizard: its writers store any value and lay the strip out (a
// 32-bit overflow of the right button's place is a failure reported by the wizard's convention, and
// sizes below 15 are ignored). A form file holds only what a load accepts, so saving a navigator that
// holds more is refused, naming the file, the control and the key, and the old file is kept.
#include "WizardOnAFormTestSupport.h"
#include "support/TestFiles.h"

#include <climits>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace ov;

namespace {

class NavigatorMeasureSaveTest : public ovtest::WizardOnAForm {
protected:
    std::string path;

    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        path = (std::filesystem::path(::testing::TempDir()) /
                ("ov_measures_" + std::string(test->name()) + ".json"))
                   .string();
        auto form = designWizard({"Welcome", "Options", "Done"});
        form->save(path);
        form->unload();
    }
    void TearDown() override { std::filesystem::remove(path); }

    // Right, right-middle, left-middle, left.
    static std::vector<float> lefts(OvWizardNavigator& n) {
        return {n.button(Right).Left(), n.button(RightMiddle).Left(), n.button(LeftMiddle).Left(),
                n.button(Left).Left()};
    }
    // Every button has the same top, width and height.
    static void expectEveryButton(OvWizardNavigator& n, float top, float width, float height) {
        for (auto p : {Left, LeftMiddle, RightMiddle, Right}) {
            EXPECT_EQ(n.button(p).Top(), top);
            EXPECT_EQ(n.button(p).Width(), width);
            EXPECT_EQ(n.button(p).Height(), height);
        }
    }
};

// The strip of a designed wizard is 7450 wide; the default lefts are 6180, 4895, 3775, 2490.
struct MeasureWrite {
    const char* key;
    int32_t value;
    int32_t reads;            // what the property answers afterwards
    std::vector<float> lefts; // right, right-middle, left-middle, left
    float top, width, height;
    const char* reported; // the failure the navigator reports, or nullptr
    const char* refusal;  // why a save is refused, or nullptr when it saves
};

const std::vector<float> kDefaultLefts{6180, 4895, 3775, 2490};

const MeasureWrite kMeasureWrites[] = {
    {"ButtonWidth",
     2000000,
     2000000,
     {-1992700, -3992865, -5992865, -7993030},
     210,
     2000000,
     345,
     nullptr,
     "the Long 2000000 is outside 0 to 1000000"},
    {"ButtonHeight", 1000001, 1000001, kDefaultLefts, 210, 1120, 1000001, nullptr,
     "the Long 1000001 is outside 0 to 1000000"},
    {"ButtonGapTop", -1000001, -1000001, kDefaultLefts, -1000001, 1120, 345, nullptr,
     "the Long -1000001 is outside -1000000 to 1000000"},
    {"ButtonGapTop", 1000001, 1000001, kDefaultLefts, 1000001, 1120, 345, nullptr,
     "the Long 1000001 is outside -1000000 to 1000000"},
    {"ButtonGapRight",
     1000001,
     1000001,
     {-993671, -994956, -996076, -997361},
     210,
     1120,
     345,
     nullptr,
     "the Long 1000001 is outside -1000000 to 1000000"},
    {"ButtonGapMiddle",
     -1000001,
     -1000001,
     {6180, 1005061, 1003941, 2002822},
     210,
     1120,
     345,
     nullptr,
     "the Long -1000001 is outside -1000000 to 1000000"},
    // 7450 - 1120 + 2^31 leaves 32 bits: reported, the value kept, the buttons where they were.
    {"ButtonGapRight", INT_MIN, INT_MIN, kDefaultLefts, 210, 1120, 345,
     "OnError 6 Overflow Nav::ButtonGapRight (Let)", "the Long -2147483648 is outside -1000000 to 1000000"},
    // Sizes below 15 are ignored: nothing changes and the form saves.
    {"ButtonWidth", -5, 1120, kDefaultLefts, 210, 1120, 345, nullptr, nullptr},
    {"ButtonHeight", 14, 345, kDefaultLefts, 210, 1120, 345, nullptr, nullptr},
};

} // namespace

TEST_F(NavigatorMeasureSaveTest, WritersLayOutAnyValueAndASaveRefusesWhatALoadWould) {
    const std::string saved = ovtest::readAll(path);
    for (const MeasureWrite& m : kMeasureWrites) {
        SCOPED_TRACE(std::string(m.key) + " " + std::to_string(m.value));
        log.clear();
        watching.clear();
        runtime.headlessMessageBox().clear();
        auto form = Form::load(path, Mode::Design);
        auto n = nav(*form);
        watch(*n);
        Extender& site = *form->control("Nav");

        site.let(m.key, m.value);

        EXPECT_EQ(site.get(m.key), Variant(m.reads));
        EXPECT_EQ(lefts(*n), m.lefts);
        expectEveryButton(*n, m.top, m.width, m.height);
        if (m.reported) {
            EXPECT_EQ(log, std::vector<std::string>{m.reported});
            EXPECT_EQ(prompts(), std::vector<std::string>{"Error: 6\r\nOverflow"});
            EXPECT_TRUE(site.changedKeys().empty()); // a write that failed tells the container nothing
        } else {
            EXPECT_TRUE(log.empty());
            EXPECT_TRUE(boxes().empty());
            const bool taken = m.reads == m.value;
            EXPECT_EQ(site.changedKeys(),
                      taken ? std::vector<std::string>{m.key} : std::vector<std::string>{});
        }

        if (m.refusal) {
            try {
                form->save(path);
                ADD_FAILURE() << "saved";
            } catch (const Failure& f) {
                EXPECT_EQ(f.number(), 380);
                EXPECT_EQ(f.description(), "Invalid property value: " + path + ": control Nav: property " +
                                               m.key + ": " + m.refusal);
            }
            EXPECT_EQ(ovtest::readAll(path), saved);
        } else {
            form->save(path);
            EXPECT_EQ(ovtest::readAll(path), saved);
        }
        form->unload();
    }
}

TEST_F(NavigatorMeasureSaveTest, TheEndsOfWhatAFileHoldsSaveAndLoadBack) {
    struct Ends {
        int32_t gapTop, gapRight, gapMiddle, height, width;
    };
    const Ends ends[] = {{-1000000, -1000000, -1000000, 15, 15},
                         {1000000, 1000000, 1000000, 1000000, 1000000}};
    for (const Ends& e : ends) {
        SCOPED_TRACE(e.width);
        auto form = Form::load(path, Mode::Design);
        auto n = form->control("Nav");
        n->let("ButtonGapTop", e.gapTop);
        n->let("ButtonGapRight", e.gapRight);
        n->let("ButtonGapMiddle", e.gapMiddle);
        n->let("ButtonHeight", e.height);
        n->let("ButtonWidth", e.width);
        form->save(path);
        form->unload();
        for (Mode mode : {Mode::Design, Mode::Run}) {
            auto again = Form::load(path, mode);
            auto loaded = again->control("Nav");
            EXPECT_EQ(loaded->get("ButtonGapTop"), Variant(e.gapTop));
            EXPECT_EQ(loaded->get("ButtonGapRight"), Variant(e.gapRight));
            EXPECT_EQ(loaded->get("ButtonGapMiddle"), Variant(e.gapMiddle));
            EXPECT_EQ(loaded->get("ButtonHeight"), Variant(e.height));
            EXPECT_EQ(loaded->get("ButtonWidth"), Variant(e.width));
            auto& right = nav(*again)->button(Right);
            EXPECT_EQ(right.Width(), static_cast<float>(e.width));
            EXPECT_EQ(right.Top(), static_cast<float>(e.gapTop));
            again->unload();
        }
    }
    EXPECT_TRUE(boxes().empty());
}

TEST_F(NavigatorMeasureSaveTest, AfterAnOverflowAResizeStillGivesThePagesTheirHeight) {
    auto form = Form::load(path, Mode::Run);
    form->show();
    auto n = nav(*form);
    watch(*n);
    n->let("ButtonGapRight", INT_MIN);
    ASSERT_EQ(log, std::vector<std::string>{"OnError 6 Overflow Nav::ButtonGapRight (Let)"});
    // The user drags the form: the navigator snaps it back and lays out its strip, which overflows
    // again (ignored while resizing); the pages still hear their height.
    std::vector<int32_t> heights;
    ScopedConnection c = mediator().YouMustChangeYourHeight.connect([&](int32_t h) { heights.push_back(h); });
    form->setWidth(9000);
    EXPECT_EQ(form->Width(), 7540);
    const auto top = static_cast<int32_t>(form->control("Nav")->Top());
    ASSERT_FALSE(heights.empty());
    EXPECT_EQ(heights.back(), top - 15);
    EXPECT_EQ(page(*form, "Options")->Height(), static_cast<float>(top - 15));
    EXPECT_EQ(log.size(), 1u);
    EXPECT_EQ(lefts(*n), kDefaultLefts);
    form->unload();
}
