#include "progress/OvProgressInfo.h"

#include "platform/EmbeddedControl.h"
#include "platform/Extender.h"
#include "platform/Form.h"
#include "platform/Frame.h"
#include "platform/Image.h"
#include "platform/ImageList.h"
#include "platform/Label.h"
#include "platform/PropertyBag.h"
#include "platform/Runtime.h"
#include "progress/OvProgressBar.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>
#include <tuple>

namespace ovtest {
namespace {

using namespace ov;

// A running copy dialog: a title label and an overall bar beside the progress panel "Progress".
class OvProgressInfoTest : public ::testing::Test {
protected:
    Runtime runtime;
    FormRef form = Form::create("frmCopy", Mode::Run);
    ExtenderRef ext;
    std::shared_ptr<OvProgressInfo> panel;

    OvProgressInfoTest() {
        form->add("OvHost.Label", "lblTitle")->Move(120, 60, 4000, 255);
        form->add("OvComCtl.OvProgressBar", "Overall")->Move(120, 4000);
        ext = form->add("OvComCtl.OvProgressInfo", "Progress");
        panel = ext->controlAs<OvProgressInfo>();
        ext->clearChangedKeys();
    }
    std::string caption(const char* label) const { return panel->child<Label>(label).Caption(); }
    std::string barCaption() const { return panel->bar().Caption(); }
    std::string iconOf(int32_t step) const {
        const PictureRef shown = panel->stepIcon(step).Picture();
        for (const std::string& key : panel->stateIcons().keys())
            if (panel->stateIcons().Picture(key) == shown) return key;
        return shown ? "?" : "";
    }
    bool bold(int32_t step) const { return panel->stepLabel(step).Font()->Bold(); }
};

TEST_F(OvProgressInfoTest, ANewPanelShowsItsDesignedTextsAndAPercentAtOnce) {
    EXPECT_EQ(ext->get("Description").toString(), "Description");
    for (int32_t i = 0; i < 5; ++i)
        EXPECT_EQ(ext->get("StepDescription" + std::to_string(i)).toString(),
                  "Step " + std::to_string(i + 1));
    EXPECT_EQ(ext->get("Status").toString(), "Status");
    EXPECT_EQ(barCaption(), "0% completed");
    EXPECT_EQ(panel->barHolder().ToolTipText(), "") << "only Progress and ProgressMax set the tool tip";
    EXPECT_EQ(std::tuple(panel->bar().Align(), panel->bar().DisplayFont()->Name(),
                         panel->bar().DisplayFont()->Charset()),
              std::tuple(CaptionAlign::arAlignCenter, "Arial", 204));
    EXPECT_EQ(caption("lblProcessed") + " | " + caption("lblErrors") + " | " + caption("lblElapsedTime") +
                  " | " + caption("lblEstimatedTime"),
              "Processed: 0 | Errors: 0 | Elapsed Time: 00:00:00 | Estimated Time: 00:00:00");
    EXPECT_TRUE(ext->TabStop()) << "a running form keeps the tab stop";
    EXPECT_FALSE(Form::create("frmDesign", Mode::Design)->add("OvComCtl.OvProgressInfo", "P")->TabStop());
}

TEST_F(OvProgressInfoTest, ProgressAndProgressMaxRecomputeCaptionAndToolTipFromTheBar) {
    struct Case {
        const char* property;
        int32_t value;
        const char* shown; // caption and tool tip afterwards
        int32_t progress, max;
    };
    // In order, each from where the one before left the bar.
    const Case cases[] = {{"Progress", 45, "45% completed", 45, 100},
                          {"Progress", 150, "45% completed", 45, 100}, // refused by the bar, silently
                          {"Progress", 100, "100% completed", 100, 100},
                          {"ProgressMax", 300, "33% completed", 100, 300},
                          {"ProgressMax", 0, "33% completed", 100, 300},
                          {"Progress", 0, "0% completed", 0, 300}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.property) + " = " + std::to_string(c.value));
        ext->let(c.property, c.value);
        EXPECT_EQ(std::tuple(barCaption(), panel->barHolder().ToolTipText(), ext->get("Progress").toInt32(),
                             ext->get("ProgressMax").toInt32()),
                  std::tuple(c.shown, c.shown, c.progress, c.max));
    }
    EXPECT_TRUE(runtime.headlessMessageBox().shown().empty());
    EXPECT_EQ(ext->changedKeys(), std::vector<std::string>{"ProgressMax"});

    ext->let("ShowPercentCompleted", false);
    EXPECT_EQ(barCaption(), "");
    ext->let("Progress", 150);
    EXPECT_EQ(std::tuple(barCaption(), panel->barHolder().ToolTipText()), std::tuple("", "0% completed"))
        << "the tool tip is left as it was";
    ext->let("ShowPercentCompleted", true);
    EXPECT_EQ(barCaption(), "50% completed");
    EXPECT_EQ(ext->changedKeys(), (std::vector<std::string>{"ProgressMax", "ShowPercentCompleted"}));
}

TEST_F(OvProgressInfoTest, StepStatesShowTheirIconAndOnlyRunningStepsAreBold) {
    struct Case {
        int32_t step;
        STATES state;
        const char* icons[5];
        bool bold[5];
    };
    using enum STATES;
    const Case cases[] = {
        {0, ST_RUNNING, {"running", "", "", "", ""}, {true, false, false, false, false}},
        {4, ST_RUNNING, {"running", "", "", "", "running"}, {true, false, false, false, true}},
        {5, ST_RUNNING, {"running", "", "", "", "running"}, {true, false, false, false, true}},
        {-1, ST_PASSED, {"running", "", "", "", "running"}, {true, false, false, false, true}},
        {0, ST_PASSED, {"passed", "", "", "", "running"}, {false, false, false, false, true}},
        {1, ST_SKIPPED, {"passed", "skipped", "", "", "running"}, {false, false, false, false, true}},
        {4, ST_NONE, {"passed", "skipped", "", "", ""}, {false, false, false, false, false}},
        {2, static_cast<STATES>(7), {"passed", "skipped", "", "", ""}, {false, false, false, false, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("StepState(" + std::to_string(c.step) + ") = " + std::to_string(int(c.state)));
        ext->let("StepState", static_cast<int32_t>(c.state), {Variant(c.step)});
        for (int32_t i = 0; i < 5; ++i)
            EXPECT_EQ(std::pair(iconOf(i), bold(i)), std::pair(std::string(c.icons[i]), c.bold[i]))
                << "step " << i;
    }
    EXPECT_EQ(panel->stepIcon(0).Width(), 180) << "a 12-pixel icon in its 180-twip place";
    EXPECT_TRUE(ext->changedKeys().empty());
}

TEST_F(OvProgressInfoTest, CountersAndTimesWriteTheirExactTexts) {
    ext->let("Processed", 12);
    EXPECT_EQ(caption("lblProcessed"), "Processed: 12");
    ext->let("DisplayTotal", true);
    EXPECT_EQ(caption("lblProcessed"), "Processed: 12") << "waits for the next count";
    panel->setTotal(40);
    EXPECT_EQ(caption("lblProcessed"), "Processed: 12 item(s) out of 40");
    ext->let("Processed", -3);
    EXPECT_EQ(caption("lblProcessed"), "Processed: -3 item(s) out of 40");
    ext->let("DisplayTotal", false);
    ext->call("SetCount");
    EXPECT_EQ(caption("lblProcessed"), "Processed: -3");

    ext->let("DisplayErrors", false);
    ext->let("Errors", 3);
    EXPECT_EQ(caption("lblErrors"), "Errors: 3") << "a hidden line is still written";

    // FormatTime has its own tests; these show that both lines go through it.
    ext->let("ElapsedTime", 3725.4f);
    panel->setEstimatedTime(3725.4f);
    EXPECT_EQ(caption("lblElapsedTime") + " | " + caption("lblEstimatedTime"),
              "Elapsed Time: 01:02:05 | Estimated Time: 01:02:05");
    EXPECT_TRUE(ext->changedKeys().empty());
    ext->let("Processed", 5);
    EXPECT_THROW(ext->let("Processed", "many"), Failure);
    EXPECT_EQ(caption("lblProcessed"), "Processed: 5");
    EXPECT_THROW(ext->let("StepState", 1, {}), Failure) << "StepState needs its step";
}

TEST_F(OvProgressInfoTest, DisplaySwitchesHideALineAndMoveNothing) {
    const char* lines[] = {"lblProcessed", "lblErrors", "lblElapsedTime", "lblEstimatedTime"};
    const char* switches[] = {"DisplayProcessed", "DisplayErrors", "DisplayElapsedTime",
                              "DisplayEstimatedTime"};
    for (int hidden = 0; hidden < 4; ++hidden) {
        SCOPED_TRACE(switches[hidden]);
        ext->let(switches[hidden], false);
        EXPECT_FALSE(ext->get(switches[hidden]).toBool());
        for (int i = 0; i < 4; ++i) {
            const Label& line = panel->child<Label>(lines[i]);
            EXPECT_EQ(std::pair(line.Visible(), line.Top()),
                      std::pair(i != hidden, i % 2 == 0 ? 300.0f : 540.0f))
                << lines[i];
        }
        EXPECT_EQ(panel->child<Frame>("frmAction").Height(), 915);
        ext->let(switches[hidden], true);
    }
    EXPECT_TRUE(ext->changedKeys().empty());
}

TEST_F(OvProgressInfoTest, WritesItsPropertiesInOrderAndReadsThemBack) {
    PropertyBag fresh;
    ext->writeProperties(fresh);
    EXPECT_EQ(fresh.size(), 8u) << "designed texts and DisplayTotal differ from the stored defaults";

    ext->let("Description", "Copying the files");
    ext->let("Status", "Preparing");
    for (int32_t i = 0; i < 5; ++i)
        ext->let("StepDescription" + std::to_string(i), "Step " + std::to_string(i));
    ext->let("StepDescription4", "Description of step 4"); // the default: left out
    for (const char* s : {"DisplayElapsedTime", "DisplayEstimatedTime", "DisplayProcessed", "DisplayErrors",
                          "ShowPercentCompleted"})
        ext->let(s, false);
    ext->let("DisplayTotal", true);
    ext->let("ProgressMax", 100);
    PropertyBag bag;
    ext->writeProperties(bag);
    EXPECT_EQ(keysOf(bag),
              (std::vector<std::string>{"Description", "Status", "StepDescription0", "StepDescription1",
                                        "StepDescription2", "StepDescription3", "DisplayElapsedTime",
                                        "DisplayEstimatedTime", "DisplayProcessed", "DisplayErrors",
                                        "ShowPercentCompleted", "ProgressMax"}));

    PropertyBag stored = bag;
    stored.put("Image", "not a picture");
    stored.put("ProgressMax", 40);
    auto loaded = form->addLoaded("OvComCtl.OvProgressInfo", "Stored", stored, ExtenderValues{});
    auto copy = loaded->controlAs<OvProgressInfo>();
    EXPECT_EQ(copy->Image(), nullptr);
    EXPECT_EQ(std::tuple(copy->Description(), copy->StepDescription(4), copy->DisplayErrors(),
                         copy->DisplayTotal(), copy->ProgressMax(), copy->bar().Caption()),
              std::tuple("Copying the files", "Description of step 4", false, true, 40, ""));
    EXPECT_EQ(loaded->changedKeys(), (std::vector<std::string>{"ShowPercentCompleted", "ProgressMax"}));

    PropertyBag empty;
    auto plain = form->addLoaded("OvComCtl.OvProgressInfo", "Plain", empty, ExtenderValues{})
                     ->controlAs<OvProgressInfo>();
    // DisplayTotal is read with true, unlike a new panel.
    EXPECT_EQ(std::tuple(plain->Description(), plain->StepDescription(2), plain->DisplayTotal(),
                         plain->bar().Caption()),
              std::tuple("Progress description", "Description of step 2", true, "0% completed"));
}

} // namespace
} // namespace ovtest
