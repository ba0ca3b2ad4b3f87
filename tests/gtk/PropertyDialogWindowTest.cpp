// The property dialog of a label on a designed form, in a GTK window, used with real X keys and clicks.
#include "gtk/PropertyDialogWindow.h"

#include "WindowDriver.h"
#include "platform/ConstituentControl.h"
#include "platform/Extender.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/MessageBox.h"
#include "platform/PropertyDialog.h"
#include "platform/PropertyPage.h"
#include "platform/Runtime.h"

#include <X11/keysym.h>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <tuple>

namespace {

using Result = ov::gtk::PropertyDialogWindow::Result;

class PropertyDialogInWindow : public ::testing::Test {
protected:
    void SetUp() override {
        form = ov::FormFile::load(std::string(OVCOMCTL_EXAMPLES) + "/controls.json", ov::Mode::Design);
        label = form->control("lblPrinter");
        dialog.open({label});
        window.emplace(host, dialog);
        driver.emplace(host, *window->formWindow());
        ASSERT_TRUE(driver->ready()) << "the dialog's window never showed, took the focus and drew";
    }
    void TearDown() override {
        EXPECT_TRUE(runtime.headlessMessageBox().shown().empty())
            << runtime.headlessMessageBox().shown().front().prompt;
    }
    // Clicks the current page's constituent control `name`, `dx` pixels from its left edge, halfway down.
    bool clickField(const char* name, int dx) {
        const ov::PropertyPage& page = dialog.currentPage();
        const ov::ConstituentControl& field = *page.findChild(name);
        const double tpp = host.twipsPerPixel();
        return driver->click(
            static_cast<int>(std::lround((page.extender().Left() + field.Left()) / tpp)) + dx,
            static_cast<int>(std::lround((page.extender().Top() + field.Top() + field.Height() / 2) / tpp)));
    }
    // Types " x2" at the end of the caption box, key by key.
    void typeIntoCaption() {
        ASSERT_TRUE(clickField("txtCaption", 4));
        for (XKeySym k : {XK_End, XK_space, XK_x, XK_2})
            ASSERT_TRUE(driver->key(k));
    }
    std::string caption() { return label->get("Caption").toString(); }
    bool applyEnabled() { return gtk_widget_get_sensitive(window->applyButton()); }

    ov::Runtime runtime;
    ov::gtk::WindowHost host;
    ov::FormRef form;
    ov::ExtenderRef label;
    ov::PropertyDialog dialog;
    std::optional<ov::gtk::PropertyDialogWindow> window;
    std::optional<WindowDriver> driver;
};

TEST_F(PropertyDialogInWindow, TypedCaptionAndTickedBoxReachTheLabelOnApplyAndOk) {
    EXPECT_FALSE(applyEnabled());
    typeIntoCaption();
    ASSERT_TRUE(clickField("chkAutoSize", 6));
    EXPECT_TRUE(applyEnabled());
    // Nothing reaches the label before Apply.
    EXPECT_EQ(std::tuple(caption(), label->get("AutoSize").toBool()),
              std::tuple("Printer: Office laser, A4", true));

    driver->clickWidget(window->applyButton());
    ASSERT_TRUE(driver->waitFor([&] { return !applyEnabled(); }));
    EXPECT_EQ(std::tuple(caption(), label->get("AutoSize").toBool(), window->result()),
              std::tuple("Printer: Office laser, A4 x2", false, Result::Open));

    // The click on the box took the focus from the caption: a key now goes to the box, not the text.
    ASSERT_TRUE(driver->key(XK_3));
    EXPECT_FALSE(applyEnabled());
    ASSERT_TRUE(clickField("txtCaption", 4));
    for (XKeySym k : {XK_End, XK_3})
        ASSERT_TRUE(driver->key(k));
    driver->clickWidget(window->okButton());
    ASSERT_TRUE(driver->waitFor([&] { return window->result() == Result::Ok; }));
    EXPECT_EQ(std::tuple(caption(), dialog.isOpen(), form->needsSaving()),
              std::tuple("Printer: Office laser, A4 x23", false, true));
}

TEST_F(PropertyDialogInWindow, DropDownListOpensOnAClickAndAnEntryIsChosenFromIt) {
    ASSERT_TRUE(clickField("cboAlignment", 20));
    ASSERT_TRUE(driver->waitFor([&] {
        return window->listEntry(2) && gtk_widget_get_mapped(window->listEntry(2));
    })) << "no list opened";
    EXPECT_FALSE(window->listEntry(3));
    EXPECT_STREQ(gtk_button_get_label(GTK_BUTTON(window->listEntry(2))), "ovCenter");
    EXPECT_FALSE(applyEnabled()); // opening the list chose nothing

    driver->clickWidget(window->listEntry(2));
    ASSERT_TRUE(driver->waitFor([&] { return applyEnabled() && !window->listEntry(0); }));
    EXPECT_EQ(label->get("Alignment").toInt32(), 0);
    driver->clickWidget(window->applyButton());
    ASSERT_TRUE(driver->waitFor([&] { return !applyEnabled(); }));
    EXPECT_EQ(label->get("Alignment").toInt32(), 2);
}

TEST_F(PropertyDialogInWindow, TabsSwitchPagesAndCancelOrClosingAppliesNothing) {
    typeIntoCaption();
    const std::string font = dialog.page(dialog.pageCount() - 1).Caption();
    driver->clickWidget(window->tab(dialog.pageCount() - 1));
    ASSERT_TRUE(driver->waitFor([&] { return dialog.currentIndex() == dialog.pageCount() - 1; }));
    EXPECT_EQ(std::pair(dialog.currentPage().extender().Visible(), dialog.page(0).extender().Visible()),
              std::pair(true, false));
    EXPECT_STREQ(gtk_window_get_title(window->formWindow()->window()), font.c_str());
    EXPECT_TRUE(applyEnabled()); // the edit on the first page is still waiting

    driver->clickWidget(window->cancelButton());
    ASSERT_TRUE(driver->waitFor([&] { return window->result() == Result::Cancelled; }));
    EXPECT_EQ(std::tuple(caption(), dialog.isOpen(), form->needsSaving()),
              std::tuple("Printer: Office laser, A4", false, false));
}

TEST_F(PropertyDialogInWindow, AltF4IsCancel) {
    typeIntoCaption();
    driver->sendKey(XK_F4, {XK_Alt_L});
    ASSERT_TRUE(driver->waitFor([&] { return window->result() == Result::Cancelled; }));
    EXPECT_EQ(std::tuple(caption(), dialog.isOpen()), std::tuple("Printer: Office laser, A4", false));
}

} // namespace
