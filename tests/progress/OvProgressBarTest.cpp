#include "progress/OvProgressBar.h"

#include "platform/Extender.h"
#include "platform/FailureCapture.h"
#include "platform/Font.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/MessageBoxFailures.h"
#include "platform/PictureBox.h"
#include "platform/PropertyBag.h"
#include "platform/Runtime.h"
#include "support/ShownBoxes.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>
#include <tuple>

namespace ovtest {
namespace {

using namespace ov;

// A running form as a host has it: a status label above a progress bar "Bar" of the designed size.
class OvProgressBarTest : public ::testing::Test {
protected:
    Runtime runtime;
    FormRef form = Form::create("frmCopy", Mode::Run);
    ExtenderRef ext;
    std::shared_ptr<OvProgressBar> bar;

    OvProgressBarTest() {
        runtime.application().title = "Setup";
        form->add("OvHost.Label", "lblStatus")->Move(120, 120, 4275, 255);
        ext = form->add("OvComCtl.OvProgressBar", "Bar");
        bar = ext->controlAs<OvProgressBar>();
        ext->clearChangedKeys();
    }
    PictureBox& box(const char* name) const { return bar->child<PictureBox>(name); }
};

TEST_F(OvProgressBarTest, RangeWritersAcceptTheirBoundsAndRefuseBeyondThem) {
    struct Case {
        const char* property;
        int32_t value;
        int32_t refusal; // the failure shown while ErrorsNotify is on; 0 for an accepted value
    };
    // Min 0, Max 100, Value 50 before each write.
    const Case cases[] = {{"Value", -1, 380}, {"Value", 0, 0}, {"Value", 100, 0},     {"Value", 101, 380},
                          {"Min", -1, 380},   {"Min", 0, 0},   {"Min", 99, 0},        {"Min", 100, 380},
                          {"Max", 0, 5},      {"Max", 1, 0},   {"Max", 2147483647, 0}};
    for (bool notify : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.property) + " = " + std::to_string(c.value) +
                         (notify ? " notifying" : " silent"));
            bar->setMin(0);
            bar->setMax(100);
            bar->setValue(50);
            ext->let("ErrorsNotify", notify);
            ext->clearChangedKeys();
            runtime.headlessMessageBox().clear();
            const int32_t before = ext->get(c.property).toInt32();

            ext->let(c.property, c.value); // returns normally either way

            const bool accepted = c.refusal == 0;
            EXPECT_EQ(ext->get(c.property).toInt32(), accepted ? c.value : before);
            EXPECT_EQ(ext->changedKeys(),
                      accepted ? std::vector<std::string>{c.property} : std::vector<std::string>{});
            // A refusal is shown under the application's title, none of its own.
            const std::string shown = c.refusal == 5
                                          ? "Setup | 48 | Error: 5\r\nInvalid procedure call or argument"
                                          : "Setup | 48 | Error: 380\r\nInvalid property value";
            EXPECT_EQ(shownBoxes(runtime),
                      accepted || !notify ? std::vector<std::string>{} : std::vector<std::string>{shown});
        }
    }
}

TEST_F(OvProgressBarTest, PercentPositionIsTheFloorOfTheShare) {
    struct Case {
        int32_t min, max, value;
        const char* text;
    };
    const Case cases[] = {
        {0, 100, 45, "45%"}, {50, 150, 99, "49%"},  {0, 3, 1, "33%"},  {0, 3, 2, "66%"},
        {0, 100, 0, "0%"},   {0, 100, 100, "100%"}, {0, 7, 7, "100%"}, {0, 2147483647, 2147483646, "99%"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        bar->setMin(0);
        bar->setValue(0);
        bar->setMax(c.max);
        bar->setMin(c.min);
        bar->setValue(c.value);
        EXPECT_EQ(ext->get("PercentPosition").toString(), c.text);
    }
}

TEST_F(OvProgressBarTest, AStoredBarLoadsItsValuesUncheckedAndAnEmptyRangeFailsToTheCaller) {
    PropertyBag bag;
    bag.put("Max", 20);
    bag.put("Min", 80);
    bag.put("Value", 50);
    auto loaded = form->addLoaded("OvComCtl.OvProgressBar", "Stored", bag, ExtenderValues{})
                      ->controlAs<OvProgressBar>();
    // (50 - 80) / (20 - 80) is 50%.
    EXPECT_EQ(std::tuple(loaded->Min(), loaded->Max(), loaded->Value(), loaded->PercentPosition()),
              std::tuple(80, 20, 50, "50%"));
    EXPECT_TRUE(runtime.headlessMessageBox().shown().empty());

    PropertyBag flat;
    flat.put("Max", 0);
    auto empty = form->addLoaded("OvComCtl.OvProgressBar", "Flat", flat, ExtenderValues{});
    EXPECT_EQ(ov::test::failureNumber([&] { empty->get("PercentPosition"); }), 11)
        << "an empty range cannot give a share";
}

TEST_F(OvProgressBarTest, WritesOnlyWhatDiffersFromTheDefaultsInItsOrder) {
    PropertyBag fresh;
    ext->writeProperties(fresh);
    EXPECT_TRUE(fresh.empty()) << "a new bar is all defaults";

    ext->set("DisplayFont", Variant(std::const_pointer_cast<Font>(Font::create("Arial", 12))));
    ext->let("ErrorsNotify", true);
    ext->let("BorderStyle", 0);
    ext->let("Align", 2);
    ext->let("Caption", "Copying");
    ext->let("Value", 7);
    ext->let("Min", 5);
    ext->let("Max", 9);
    PropertyBag bag;
    ext->writeProperties(bag);
    EXPECT_EQ(keysOf(bag), (std::vector<std::string>{"Max", "Min", "Value", "Caption", "Align", "BorderStyle",
                                                     "ErrorsNotify", "DisplayFont"}));

    FormRef loaded = FormFile::read(FormFile::write(*form, "frmCopy.json"), "frmCopy.json", Mode::Run);
    ExtenderRef copy = loaded->control("Bar");
    for (const char* name : {"Max", "Min", "Value", "Caption", "Align", "BorderStyle", "ErrorsNotify"})
        EXPECT_EQ(copy->get(name).toString(), ext->get(name).toString()) << name;
    EXPECT_EQ(copy->controlAs<OvProgressBar>()->DisplayFont()->Size(), 12);
    EXPECT_EQ(copy->controlAs<OvProgressBar>()->child<PictureBox>("picBase").printed().at(0).text, "Copying");
}

TEST_F(OvProgressBarTest, TheFillShowsFromValueOneAndKeepsItsWidthThroughAResizeUntilTheNextValue) {
    EXPECT_FALSE(box("picFill").Visible()) << "a new bar at 0 shows no fill";
    // Inner bar 4275 - 2 x 30 = 4215 twips; fill left 30; step = (4215 - 60) / 100.
    ext->let("Value", 40);
    EXPECT_FLOAT_EQ(box("picFill").Width(), 41.55f * 40);
    EXPECT_FLOAT_EQ(box("picFill").Height(), 375 - 60 - 30);

    ext->setWidth(6075);
    EXPECT_FLOAT_EQ(box("picBase").Width(), 6075);
    EXPECT_FLOAT_EQ(box("picFill").Width(), 41.55f * 40) << "a resize does not move the fill";
    ext->let("Value", 40);
    EXPECT_FLOAT_EQ(box("picFill").Width(), 59.55f * 40);

    ext->let("BorderStyle", 0); // the box loses its edge: the bar is 60 twips wider inside
    ext->let("Value", 100);
    EXPECT_FLOAT_EQ(box("picFill").Width(), 6075 - 60);
    const std::pair<int32_t, bool> steps[] = {{50, true}, {0, false}, {1, true}, {100, true}, {0, false}};
    for (auto [value, visible] : steps) {
        ext->let("Value", value);
        EXPECT_EQ(box("picFill").Visible(), visible) << value;
    }
}

TEST_F(OvProgressBarTest, TheCaptionIsPrintedOnBothBoxesAtOnePlace) {
    ext->let("Value", 45);
    const float barWidth = 4215, fillLeft = 30;
    for (int32_t align : {0, 1, 2, 7}) {
        SCOPED_TRACE(align);
        ext->let("Align", align);
        ext->let("Caption", "45% completed");
        ASSERT_EQ(box("picBase").printed().size(), 1u);
        ASSERT_EQ(box("picFill").printed().size(), 1u);
        const auto& onBase = box("picBase").printed()[0];
        const auto& onFill = box("picFill").printed()[0];
        EXPECT_FLOAT_EQ(onBase.x, fillLeft + onFill.x) << "the two prints line up";
        EXPECT_FLOAT_EQ(onBase.y, 15 + onFill.y);
        const float width = box("picBase").TextWidth("45% completed");
        const float expected = align == 1   ? barWidth - fillLeft - 75 - width
                               : align == 2 ? (barWidth - width) / 2
                                            : fillLeft + 45; // any other value draws as left
        EXPECT_FLOAT_EQ(onBase.x, expected);
        EXPECT_EQ(onFill.color, sysColor::HighlightText);
        EXPECT_EQ(onBase.color, sysColor::ButtonText);
    }
    EXPECT_EQ(ext->get("Align").toInt32(), 7) << "any number is stored";
    EXPECT_FALSE(ext->isDocked()) << "Align is the caption's, not the container's";
    EXPECT_THROW(ext->setAlign(2), Failure) << "the bar does not dock";

    ext->let("Caption", "");
    EXPECT_TRUE(box("picBase").printed().empty());
    EXPECT_TRUE(box("picFill").printed().empty());
}

TEST_F(OvProgressBarTest, AValueLetsPendingMessagesThroughBeforeTheCaptionIsRedrawn) {
    std::vector<std::string> seen;
    runtime.setMessagePump([&] { seen.push_back(std::to_string(bar->Value()) + " " + bar->Caption()); });
    ext->let("Caption", "working");
    ext->let("Value", 30);
    ext->let("Value", 130); // refused: no messages
    ext->let("Min", 10);
    EXPECT_EQ(seen, std::vector<std::string>{"30 working"});
}

TEST_F(OvProgressBarTest, RefusedFontsAndBordersAreShownAndFailure398IsNot) {
    FontRef arial = Font::create("Arial", 8.25f);
    bar->setDisplayFont(arial);
    EXPECT_EQ(box("picFill").Font(), arial);
    EXPECT_EQ(ext->changedKeys(), std::vector<std::string>{"DisplayFont"});
    bar->setDisplayFont(nullptr);
    EXPECT_EQ(bar->DisplayFont(), arial);
    ext->let("BorderStyle", 3);
    EXPECT_EQ(ext->get("BorderStyle").toInt32(), 1);
    reportInMessageBox(*bar, "Value", [] { throw Failure(err::ClientSiteNotAvailable); });
    EXPECT_EQ(shownBoxes(runtime),
              (std::vector<std::string>{
                  "Setup | 48 | Error: 380\r\nInvalid property value (picBase: a control needs a font)",
                  "Setup | 48 | Error: 380\r\nInvalid property value"}));
}

} // namespace
} // namespace ovtest
