#include "controls/OvLabel.h"

#include "platform/Extender.h"
#include "platform/Font.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/PropertyBag.h"
#include "platform/Runtime.h"
#include "render/RenderFixture.h"
#include "support/ShownBoxes.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace ov;

namespace ovtest {
namespace {

// A run-time form with a host label and the OvLabel "lblStatus" beside it; mouse events go to `log`.
class OvLabelTest : public ::testing::Test {
protected:
    Runtime runtime;
    FormRef form = Form::create("frmLabels", Mode::Run);
    ExtenderRef ext;
    std::shared_ptr<OvLabel> label;
    std::vector<std::string> log;
    std::vector<Connection> links;

    void SetUp() override {
        form->add("OvHost.Label", "lblHost")->let("Caption", "Host");
        ext = form->add("OvComCtl.OvLabel", "lblStatus");
        ext->Move(120, 480);
        label = ext->controlAs<OvLabel>();
        for (const char* e : {"MouseDown", "MouseUp", "Click", "DblClick"})
            links.push_back(ext->on(e, [this, e](Args&) { log.push_back(e); }));
        form->show();
    }
    Label& part(const char* name) { return label->child<Label>(name); }
};

TEST_F(OvLabelTest, ANewLabelShowsItsNameInBlackAndFitsItBeforeLettingGo) {
    EXPECT_EQ(std::tuple(label->Caption(), label->ForeColor(), label->AutoSize()),
              std::tuple("lblStatus", 0u, false));
    EXPECT_EQ(ext->Width(), part("lblFront").Width() + 15) << "fitted once, with the extra pixel";
    // Mouse events of the front label are the control's.
    ASSERT_TRUE(form->click(part("lblFront"), 30, 45));
    EXPECT_EQ(log, (std::vector<std::string>{"MouseDown", "MouseUp", "Click"}));
}

TEST_F(OvLabelTest, DisabledIsEngravedAndRemembersItsForeColor) {
    ext->let("ForeColor", 0x0000FF);
    ext->let("Enabled", false);
    EXPECT_EQ(std::tuple(part("lblBack").Visible(), part("lblBack").Left(), part("lblBack").Top()),
              std::tuple(true, 15.0f, 15.0f));
    EXPECT_EQ(std::tuple(part("lblBack").ForeColor(), part("lblFront").ForeColor()),
              std::tuple(sysColor::ButtonHighlight, sysColor::ButtonShadow));
    ext->let("ForeColor", 0x00FF00);
    EXPECT_EQ(part("lblFront").ForeColor(), sysColor::ButtonShadow);
    ext->let("Enabled", true);
    EXPECT_EQ(std::tuple(part("lblBack").Visible(), part("lblFront").ForeColor()),
              std::tuple(false, 0x00FF00u));
}

TEST_F(OvLabelTest, AutoSizeFitsTheTextPlusAPixelOtherwiseTheLabelsStretch) {
    ext->let("AutoSize", true);
    ext->let("Caption", "A much longer caption than before");
    EXPECT_EQ(std::tuple(ext->Width(), ext->Height(), ext->Visible()),
              std::tuple(part("lblFront").Width() + 15, part("lblFront").Height() + 15, true));
    ext->let("AutoSize", false);
    ext->Move(120, 480, 3000, 600);
    EXPECT_EQ(std::tuple(part("lblFront").Width(), part("lblBack").Height(), part("lblBack").Left()),
              std::tuple(3000.0f, 600.0f, 15.0f));
    ext->clearChangedKeys();
    ext->let("Caption", label->Caption());
    EXPECT_EQ(ext->changedKeys(), std::vector<std::string>{"Caption"}) << "the same caption still notifies";
}

TEST_F(OvLabelTest, WritersShowTheirFailuresExcept398) {
    runtime.application().title = "Labels";
    ext->set("Font", Variant(nullptr));
    EXPECT_EQ(shownBoxes(runtime),
              std::vector<std::string>{
                  "Labels | 48 | Error: 380\r\nInvalid property value (lblFront: a control needs a font)"});
    EXPECT_NO_THROW(ext->let("MousePointer", 42)) << "pointer failures are dropped";

    OvLabel loose; // on no form: fitting needs a site (398)
    EXPECT_THROW(loose.setAutoSize(true), Failure);
    loose.setFont(Font::create("Arial", 12));
    EXPECT_EQ(runtime.headlessMessageBox().shown().size(), 1u) << "398 is dropped silently";
    EXPECT_EQ(loose.Font()->Size(), 12);
}

TEST_F(OvLabelTest, PropertiesAreWrittenInOrderAndEnabledComparesWithTrue) {
    ext->let("Caption", "");
    PropertyBag plain;
    ext->writeProperties(plain);
    ASSERT_EQ(plain.size(), 1u);
    EXPECT_EQ(plain.entries()[0].key, "ForeColor") << "a new label's black is not the stored default";
    ext->let("Caption", "Ready");
    ext->let("Enabled", false);
    ext->let("Alignment", 2);
    ext->let("MousePointer", 11);
    PropertyBag bag;
    ext->writeProperties(bag);
    EXPECT_EQ(keysOf(bag),
              (std::vector<std::string>{"Caption", "Enabled", "ForeColor", "Alignment", "MousePointer"}));
    bag.remove("ForeColor");
    auto loaded = form->addLoaded("OvComCtl.OvLabel", "lblLoaded", bag, ExtenderValues{});
    EXPECT_EQ(std::tuple(loaded->get("ForeColor").toInt32(), loaded->get("Enabled").toBool(),
                         loaded->get("Caption").toString()),
              std::tuple(static_cast<int32_t>(sysColor::ButtonText), false, "Ready"));
}

// The engraving as drawn: the back text in the 3D highlight one pixel right and down of the front text
// in the button shadow.
class OvLabelPaintTest : public RenderFixture {};

TEST_F(OvLabelPaintTest, TheDisabledLookIsEngravedOnePixelRightAndDown) {
    auto ext = form->add("OvComCtl.OvLabel", "lblEngraved");
    ext->Move(px(10), px(10), px(200), px(30));
    ext->set("Font", Variant(ObjectRef(std::const_pointer_cast<Font>(Font::create("Arial", 14, true)))));
    ext->let("Caption", "IIII");
    ext->let("BackColor",
             static_cast<int32_t>(sysColor::ButtonFace)); // the highlight must stand out from the ground
    EXPECT_EQ(inkOf(render(), 10, 10, 200, 30, kWhite).count, 0) << "no engraving while enabled";
    ext->let("Enabled", false);
    Bitmap b = render();
    const Ink shadow = inkOf(b, 10, 10, 200, 30, kShadow);
    const Ink light = inkOf(b, 10, 10, 200, 30, kWhite);
    ASSERT_GT(shadow.count, 0);
    ASSERT_GT(light.count, 0);
    EXPECT_EQ(std::pair(light.right, light.bottom), std::pair(shadow.right + 1, shadow.bottom + 1));
}

} // namespace
} // namespace ovtest
