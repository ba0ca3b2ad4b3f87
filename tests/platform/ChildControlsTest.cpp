// A host reads the constituent controls of a control by name: nav.Controls("cmdLeft").Caption.
#include "frame/TypeLibrary.h"
#include "platform/CommandButton.h"
#include "platform/FailureCapture.h"
#include "platform/Form.h"
#include "platform/PlatformFixtures.h"
#include "platform/Runtime.h"
#include "wizard/OvWizardNavigator.h"
#include "wizard/OvWizardTab.h"

#include <gtest/gtest.h>

namespace {

class ChildControlsTest : public ::testing::Test {
protected:
    ov::Runtime runtime;
    ov::FormRef form = ov::Form::create("frmSetup", ov::Mode::Design);
    ov::ExtenderRef nav = form->add("OvComCtl.OvWizardNavigator", "Nav");
    ov::ExtenderRef page = form->add("OvComCtl.OvWizardTab", "Welcome");
};

TEST_F(ChildControlsTest, AChildReadByNameIsTheControlTheTypedCallsReach) {
    std::string seen;
    for (const char* name : {"cmdLeft", "CMDRIGHTMIDDLE", "cmdRight"}) { // letter case ignored
        ov::ObjectRef child = nav->get("Controls", {name}).toObject();
        seen += child->typeName() + " " + child->get("Caption").toString() + "; ";
    }
    EXPECT_EQ(seen, "CommandButton &Help; CommandButton &Next >; CommandButton Cancel; ");
    // The same object as the typed view, live: a property write shows through it.
    nav->let("LeftButtonCaption", "&Hilfe");
    ov::ObjectRef left = nav->get("Controls", {"cmdLeft"}).toObject();
    ov::Object& typed =
        form->control<ov::OvWizardNavigator>("Nav")->button(ov::ovEn_Button_Position::ovBPLeft);
    EXPECT_EQ(left.get(), &typed);
    EXPECT_EQ(left->get("Caption").toString(), "&Hilfe");
    // By position too, in creation order.
    auto& children = form->control<ov::OvWizardNavigator>("Nav")->children();
    EXPECT_EQ(nav->get("Controls", {1}).toObject().get(), static_cast<ov::Object*>(children[1].get()));

    ov::ObjectRef banner = page->get("Controls", {"lblWatermarkTitle"}).toObject();
    page->let("WatermarkTitle", "Welcome to Setup");
    EXPECT_EQ(banner->get("Caption").toString(), "Welcome to Setup");
}

TEST_F(ChildControlsTest, WrongIndexesFailWithTheHostsNumbers) {
    const int32_t count = nav->get("Controls").toObject()->get("Count").toInt32();
    const ov::Args twoIndexes{"cmdLeft", 1};
    ovtest::expectRefusals({
        {[&] { nav->get("Controls", {"cmdNowhere"}); },
         "730 Control not found (cmdNowhere in OvWizardNavigator)"},
        {[&] { nav->get("Controls", {-1}); }, "9 Subscript out of range (Controls(-1))"},
        {[&] { nav->get("Controls", {count}); },
         "9 Subscript out of range (Controls(" + std::to_string(count) + "))"},
        {[&] { nav->get("Controls", twoIndexes); }, "450"},
    });
}

} // namespace
