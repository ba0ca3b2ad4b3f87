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

using ov::Variant;

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

    ov::ObjectRef banner = page->get("Controls", {"lblWatermarkTitle"}).toObject();
    page->let("WatermarkTitle", "Welcome to Setup");
    EXPECT_EQ(banner->get("Caption").toString(), "Welcome to Setup");
}

TEST_F(ChildControlsTest, TheCollectionCountsAndIndexesInCreationOrder) {
    ov::ObjectRef all = nav->get("Controls").toObject();
    auto& typed = form->control<ov::OvWizardNavigator>("Nav")->children();
    ASSERT_EQ(all->get("Count").toInt32(), static_cast<int32_t>(typed.size()));
    for (size_t i = 0; i < typed.size(); ++i)
        EXPECT_EQ(all->get("Item", {static_cast<int32_t>(i)}).toObject().get(),
                  static_cast<ov::Object*>(typed[i].get()))
            << i;
    EXPECT_EQ(all->get("", {"cmdLeft"}).toObject()->get("Name").toString(), "cmdLeft"); // Item is the default
}

TEST_F(ChildControlsTest, WrongIndexesFailWithTheHostsNumbers) {
    const int32_t count = nav->get("Controls").toObject()->get("Count").toInt32();
    ovtest::expectRefusals({
        {[&] { nav->get("Controls", {"cmdNowhere"}); },
         "730 Control not found (cmdNowhere in OvWizardNavigator)"},
        {[&] { nav->get("Controls", {-1}); }, "9 Subscript out of range (Controls(-1))"},
        {[&] { nav->get("Controls", {count}); },
         "9 Subscript out of range (Controls(" + std::to_string(count) + "))"},
        {[&] {
             nav->get("Controls", {"cmdLeft", 1});
         },
         "450"},
    });
}

TEST_F(ChildControlsTest, ControlsIsNoPublishedMember) {
    EXPECT_TRUE(nav->hasMember("controls"));
    EXPECT_EQ(ov::OvWizardNavigator::staticClass().findMember("Controls"), nullptr);
    EXPECT_EQ(ov::OvWizardTab::staticClass().findMember("Controls"), nullptr);
    EXPECT_EQ(ov::typeLibraryJson().find("\"Controls\""), std::string::npos);
}

} // namespace
