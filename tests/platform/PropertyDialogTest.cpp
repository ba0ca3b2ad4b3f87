#include "platform/PropertyDialog.h"

#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/Extender.h"
#include "platform/FailureCapture.h"
#include "platform/Form.h"
#include "platform/Frame.h"
#include "platform/OptionButton.h"
#include "platform/PropertyPage.h"
#include "platform/Runtime.h"
#include "platform/TextBox.h"

#include <gtest/gtest.h>

using namespace ov;
using ov::test::failureNumber;

namespace ovtest {
namespace {

using Log = std::vector<std::string>;

// Edits an OvLabel by name: Caption (text), Enabled (check box), Alignment (list), AutoSize (two
// option buttons in a frame).
class LabelTestPage : public PropertyPage {
    OV_OBJECT(LabelTestPage)
public:
    LabelTestPage() : PropertyPage("General") {
        setSize(4800, 2400);
        addChild<TextBox>("txtCaption").Change.connect([this] { setChanged(true); });
        addChild<CheckBox>("chkEnabled").Click().connect([this] { setChanged(true); });
        auto& cbo = addChild<ComboBox>("cboAlignment");
        for (const char* e : {"0 - Left", "1 - Right", "2 - Center"})
            cbo.AddItem(e);
        cbo.Click().connect([this] { setChanged(true); });
        auto& fra = addChild<Frame>("fraSize");
        for (const char* o : {"optAutoSize", "optFixed"})
            addChild<OptionButton>(o, &fra).Click().connect([this] { setChanged(true); });
    }
    void SelectionChanged() override {
        Object& c = firstSelected();
        child<TextBox>("txtCaption").setText(c.get("Caption").toString());
        child<CheckBox>("chkEnabled").setValue(c.get("Enabled").toBool() ? 1 : 0);
        child<ComboBox>("cboAlignment").setListIndex(c.get("Alignment").toInt16());
        child<OptionButton>(c.get("AutoSize").toBool() ? "optAutoSize" : "optFixed").setValue(true);
    }
    void ApplyChanges() override {
        Object& c = firstSelected();
        c.let("Caption", child<TextBox>("txtCaption").Text());
        c.let("Enabled", child<CheckBox>("chkEnabled").Value() == 1);
        c.let("Alignment", child<ComboBox>("cboAlignment").ListIndex());
        c.let("AutoSize", child<OptionButton>("optAutoSize").Value());
    }
};

const ClassInfo& LabelTestPage::staticClass() {
    return buildClassInfo<LabelTestPage>([](ClassInfo& i) {
        i.kind = ClassInfo::Kind::PropertyPage;
        i.creatable = true;
        i.published = false;
        i.progIdPrefix = "OvTest";
    });
}

// A design-time form with an OvLabel and an OvProgressBar, as a designer has them; the dialog opens
// the test page on both.
class PropertyDialogTest : public ::testing::Test {
protected:
    Runtime runtime;
    FormRef form = Form::create("frmDesign", Mode::Design);
    ExtenderRef label, bar;
    PropertyDialog dialog;

    void SetUp() override {
        static const bool registered = [] {
            registerPropertyPage<LabelTestPage>(TypeRegistry::instance());
            return true;
        }();
        (void)registered;
        label = form->add("OvComCtl.OvLabel", "lblTitle");
        bar = form->add("OvComCtl.OvProgressBar", "barMain");
        label->let("Caption", "Hello");
        label->let("Enabled", false);
        label->let("Alignment", 2);
        dialog.open({label, bar}, {"LabelTestPage"});
    }
    LabelTestPage& general() { return static_cast<LabelTestPage&>(dialog.page("labeltestpage")); }
};

TEST_F(PropertyDialogTest, RefusedOpeningsLeaveTheDialogAsItWas) {
    EXPECT_EQ(failureNumber([&] { dialog.open({label}, {"LabelTestPage"}); }), 5) << "already open";
    dialog.cancel();
    EXPECT_EQ(failureNumber([&] { dialog.open({label}, {"LabelTestPage", "NoSuchPage"}); }), 429);
    EXPECT_EQ(failureNumber([&] { dialog.open({}, {"LabelTestPage"}); }), 5);
    EXPECT_EQ(failureNumber([&] { dialog.open({form}); }), 5) << "a class that lists no pages";
    EXPECT_FALSE(dialog.isOpen());
    EXPECT_EQ(failureNumber([&] { dialog.apply(); }), 5);
}

TEST_F(PropertyDialogTest, CheckBoxValuesAndClicks) {
    auto& chk = general().child<CheckBox>("chkEnabled");
    int clicks = 0;
    auto c = chk.Click().connect([&] { ++clicks; });
    // A value written, the failure, and the clicks heard so far.
    const std::tuple<int16_t, int, int> rows[] = {{2, 0, 1}, {2, 0, 1},    {1, 0, 2},
                                                  {0, 0, 3}, {-1, 380, 3}, {3, 380, 3}};
    for (auto [value, failure, heard] : rows) {
        EXPECT_EQ(failureNumber([&] { chk.let("Value", value); }), failure) << value;
        EXPECT_EQ(clicks, heard) << value;
    }
    chk.setValue(2);
    dialog.click("chkEnabled");
    EXPECT_EQ(chk.Value(), 1) << "a click ticks a grayed box";
    dialog.form()->pressKey(32); // the space bar, with the focus the click gave it
    EXPECT_EQ(chk.Value(), 0);
    chk.setEnabled(false);
    EXPECT_FALSE(dialog.click("chkEnabled"));
    EXPECT_EQ(chk.Value(), 0);
}

TEST_F(PropertyDialogTest, OptionButtonsAreExclusiveWithinTheirContainerOnly) {
    auto& page = general();
    auto& loose = page.addChild<OptionButton>("optLoose"); // on the surface: a group of its own
    auto& autoSize = page.child<OptionButton>("optAutoSize");
    auto& fixed = page.child<OptionButton>("optFixed");
    std::vector<std::string> clicks;
    for (OptionButton* o : {&loose, &autoSize, &fixed})
        o->Click().connect([&clicks, o] { clicks.push_back(o->Name()); });
    loose.setValue(true);
    dialog.click("optAutoSize");
    dialog.click("optAutoSize"); // already chosen: nothing
    dialog.form()->pressKey(32);
    EXPECT_TRUE(loose.Value() && autoSize.Value() && !fixed.Value());
    fixed.let("Value", true);
    EXPECT_TRUE(loose.Value() && !autoSize.Value() && fixed.Value());
    fixed.setValue(false);
    EXPECT_FALSE(autoSize.Value() || fixed.Value());
    EXPECT_EQ(clicks, (Log{"optLoose", "optAutoSize", "optFixed"}));
}

TEST_F(PropertyDialogTest, DropDownListIndexTextAndEntries) {
    auto& cbo = general().child<ComboBox>("cboAlignment");
    int clicks = 0;
    auto c = cbo.Click().connect([&] { ++clicks; });
    for (int16_t bad : {int16_t(-2), int16_t(3)})
        EXPECT_EQ(failureNumber([&] { cbo.let("ListIndex", bad); }), 380) << bad;
    cbo.setListIndex(-1);
    EXPECT_EQ(cbo.Text(), "");
    EXPECT_EQ(clicks, 1);
    cbo.let("Text", "1 - RIGHT");
    EXPECT_EQ(cbo.ListIndex(), 1);
    EXPECT_EQ(failureNumber([&] { cbo.let("Text", "4 - Justify"); }), 380);
    cbo.call("AddItem", {"first", int16_t(0)});
    EXPECT_EQ(cbo.ListIndex(), 2) << "the choice moves with its entry";
    EXPECT_EQ(cbo.get("NewIndex").toInt32(), 0);
    cbo.let("ItemData", 7, {int16_t(0)});
    EXPECT_EQ(cbo.get("ItemData", {int16_t(0)}).toInt32(), 7);
    EXPECT_EQ(cbo.get("List", {int16_t(9)}).toString(), "");
    EXPECT_EQ(failureNumber([&] { cbo.let("List", "x", {int16_t(4)}); }), 381);
    EXPECT_EQ(failureNumber([&] { cbo.call("AddItem", {"x", int16_t(5)}); }), 5);
    EXPECT_EQ(failureNumber([&] { cbo.RemoveItem(4); }), 5);
    cbo.RemoveItem(2);
    EXPECT_EQ(cbo.ListIndex(), -1);
    EXPECT_EQ(cbo.get("ListCount").toInt32(), 3);
    cbo.setListIndex(0);
    cbo.Clear();
    EXPECT_EQ(cbo.ListIndex(), -1);
    EXPECT_EQ(clicks, 3) << "set by code, chosen by text, set again; removal and Clear raise none";
    EXPECT_EQ(failureNumber([&] { dialog.choose("cboAlignment", 0); }), 380);
}

} // namespace
} // namespace ovtest
