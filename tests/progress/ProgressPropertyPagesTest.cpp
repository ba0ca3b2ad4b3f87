#include "platform/Extender.h"
#include "platform/FailureCapture.h"
#include "platform/Form.h"
#include "platform/MessageBox.h"
#include "platform/PropertyDialog.h"
#include "platform/PropertyPage.h"
#include "platform/Runtime.h"
#include "support/ShownBoxes.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace ov;

namespace ovtest {
namespace {

// A designer's form with a progress bar, a progress panel, a spin box and a label, and the property
// dialog a designer opens on one of them.
class ProgressPropertyPagesTest : public ::testing::Test {
protected:
    Runtime runtime;
    FormRef form = Form::create("frmCopy", Mode::Design);
    ExtenderRef bar = form->add("OvComCtl.OvProgressBar", "Bar");
    ExtenderRef info = form->add("OvComCtl.OvProgressInfo", "Info");
    ExtenderRef spin = form->add("OvComCtl.OvUpDown", "spnCopies");
    ExtenderRef label = form->add("OvComCtl.OvLabel", "lblPrinter");
    PropertyDialog dialog;

    ProgressPropertyPagesTest() { runtime.application().title = "Designer"; }
    void open(const ExtenderRef& control) {
        dialog.open({control});
        control->clearChangedKeys();
    }
};

TEST_F(ProgressPropertyPagesTest, OneTextEditWritesEveryFieldInThePagesOrder) {
    struct Case {
        ExtenderRef control;
        size_t page;
        const char* field;
        const char* typed;
        const char* property;
        std::vector<std::string> notified; // the controls' changed notifications, in order
    };
    const Case cases[] = {
        {bar, 0, "txtCaption", "Copying", "Caption", {"ErrorsNotify", "Caption", "Max", "Min", "Align"}},
        {spin, 0, "txtValue", "7", "Value", {"Wrap", "Increment", "Max", "Min", "Value", "Alignment"}},
        {label, 0, "txtCaption", "Printer", "Caption", {"AutoSize", "Enabled", "Caption", "Alignment"}},
        // Of the panel's properties only these two notify: Show Percent Completed goes last.
        {info, 0, "txtStatus", "Copying files", "Status", {"ProgressMax", "ShowPercentCompleted"}},
        {info, 1, "txtStepDescription2", "Copy", "StepDescription2", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        const ExtenderRef& control = c.control;
        open(control);
        dialog.showPage(c.page);
        EXPECT_FALSE(dialog.anyChanged()) << "loading the fields is no edit";
        dialog.typeInto(c.field, c.typed);
        EXPECT_TRUE(dialog.currentPage().Changed());
        EXPECT_TRUE(dialog.ok());
        EXPECT_EQ(control->changedKeys(), c.notified);
        EXPECT_EQ(control->get(c.property).toString(), c.typed);
    }
}

TEST_F(ProgressPropertyPagesTest, FieldsShowTheFirstSelectedControl) {
    struct Case {
        ExtenderRef control;
        const char* property;
        Variant value;
        const char* field;
        const char* member;
        Variant shown;
    };
    const Case cases[] = {
        {spin, "Alignment", 2, "cboAlignment", "Text", "2 - Center"},
        {spin, "Wrap", true, "chkWrap", "Value", 1},
        {bar, "Align", 1, "cboCaptionAlign", "Text", "1 - arAlignRight"},
        {bar, "Align", 7, "cboCaptionAlign", "ListIndex", -1},
        {label, "Alignment", 2, "cboAlignment", "Text", "ovCenter"},
        {info, "DisplayErrors", false, "chkDisplayErrors", "Value", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.property) + " in " + c.field);
        const ExtenderRef& control = c.control;
        control->let(c.property, c.value);
        open(control);
        EXPECT_EQ(dialog.currentPage().findChild(c.field)->get(c.member).toString(), c.shown.toString());
        if (std::string(c.field).starts_with("cbo")) { // a list writes the position of the entry chosen
            dialog.choose(c.field, 0);
            dialog.ok();
            EXPECT_EQ(control->get(c.property).toInt32(), 0);
        } else {
            dialog.cancel();
        }
    }
    bar->let("Align", 7);
    open(bar); // 7 has no entry: applying the page writes it back as it is
    dialog.typeInto("txtCaption", "Copying");
    dialog.ok();
    EXPECT_EQ(bar->get("Align").toInt32(), 7);
    // A hidden label stays hidden when AutoSize shows it for a moment to fit it.
    label->setVisible(false);
    open(label);
    dialog.click("chkAutoSize");
    dialog.ok();
    EXPECT_EQ(std::tuple(label->get("AutoSize").toBool(), label->get("Visible").toBool()),
              std::tuple(true, false));
}

TEST_F(ProgressPropertyPagesTest, LimitsMovingPastEachOtherAreRefusedAsTheyArrive) {
    struct Case {
        int32_t min, max, typedMin, typedMax, newMin, newMax;
        const char* box; // shown with ErrorsNotify ticked
    };
    const Case cases[] = {
        {0, 10, 20, 30, 20, 30, nullptr},                                           // Max first: both taken
        {50, 100, 0, 40, 0, 100, "Error: 5\r\nInvalid procedure call or argument"}, // 40 is not above 50
        {0, 100, 150, 120, 0, 120, "Error: 380\r\nInvalid property value"},         // Min 150 above Max 120
    };
    for (bool notify : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::to_string(c.typedMin) + ".." + std::to_string(c.typedMax));
            bar->let("ErrorsNotify", false);
            bar->let("Max", 1000);
            bar->let("Min", c.min);
            bar->let("Max", c.max);
            runtime.headlessMessageBox().clear();
            open(bar);
            if (notify) dialog.click("chkErrorsNotify");
            dialog.typeInto("txtMin", std::to_string(c.typedMin));
            dialog.typeInto("txtMax", std::to_string(c.typedMax));
            EXPECT_TRUE(dialog.ok()) << "the bar reports its refusals itself";
            EXPECT_EQ(std::tuple(bar->get("Min").toInt32(), bar->get("Max").toInt32()),
                      std::tuple(c.newMin, c.newMax));
            EXPECT_EQ(shownBoxes(runtime),
                      notify && c.box ? std::vector<std::string>{std::string("Designer | 48 | ") + c.box}
                                      : std::vector<std::string>{});
        }
    }
}

TEST_F(ProgressPropertyPagesTest, ATextThePropertyCannotTakeStopsTheApplyThere) {
    const std::pair<const char*, int32_t> cases[] = {{"abc", 13}, {"3000000000", 6}};
    for (const auto& [typed, number] : cases) {
        SCOPED_TRACE(typed);
        bar->let("Caption", "");
        open(bar);
        dialog.typeInto("txtCaption", "Copying");
        dialog.typeInto("txtMax", typed);
        dialog.typeInto("txtMin", "5");
        EXPECT_EQ(ov::test::failureNumber([&] { dialog.apply(); }), number);
        EXPECT_EQ(bar->changedKeys(), (std::vector<std::string>{"ErrorsNotify", "Caption"}));
        EXPECT_EQ(bar->get("Min").toInt32(), 0);
        EXPECT_TRUE(dialog.anyChanged()) << "the page keeps its edits";
        dialog.cancel();
    }
}

TEST_F(ProgressPropertyPagesTest, TheProgressGoesInAfterItsNewMaximum) {
    open(info);
    dialog.typeInto("txtProgressMax", "200");
    dialog.typeInto("txtProgress", "150");
    dialog.ok();
    EXPECT_EQ(std::tuple(info->get("ProgressMax").toInt32(), info->get("Progress").toInt32()),
              std::tuple(200, 150));
}

} // namespace
} // namespace ovtest
