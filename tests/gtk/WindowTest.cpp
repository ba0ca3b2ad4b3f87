// Forms in GTK windows under Xvfb, used with real X key and pointer events, as a person would use them.
#include "WindowDriver.h"
#include "gtk/HitTest.h"
#include "options/OvTreeBase.h"
#include "platform/Extender.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/MessageBox.h"
#include "platform/Runtime.h"
#include "platform/TreeNodes.h"
#include "platform/TreeView.h"
#include "platform/WindowTable.h"
#include "render/Renderer.h"

#include <X11/keysym.h>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>

namespace {

class FormInWindow : public ::testing::Test {
protected:
    void open(const std::string& example) {
        form = ov::FormFile::load(std::string(OVCOMCTL_EXAMPLES) + "/" + example, ov::Mode::Run);
        window = &host.open(form);
        driver.emplace(host, *window);
        ASSERT_TRUE(driver->ready()) << "the window never showed, took the focus and drew";
    }
    void TearDown() override {
        // Nothing the test did raised a failure the host had to show.
        EXPECT_TRUE(runtime.headlessMessageBox().shown().empty())
            << runtime.headlessMessageBox().shown().front().prompt;
    }
    // Pixel of the client area at the twips point (x, y) of `child` of control `name`.
    std::pair<int, int> pixelOf(const std::string& name, const ov::ConstituentControl& child, float x,
                                float y) {
        const ov::Extender& ext = *form->control(name);
        const double tpp = host.twipsPerPixel();
        const int inset = ext.control().BorderStyle() == 1 ? 2 : 0;
        return {static_cast<int>(std::lround(ext.Left() / tpp) + inset + std::lround(child.Left() / tpp) +
                                 x / tpp),
                static_cast<int>(std::lround(ext.Top() / tpp) + inset + std::lround(child.Top() / tpp) +
                                 y / tpp)};
    }

    ov::Runtime runtime;
    ov::gtk::WindowHost host;
    ov::FormRef form;
    ov::gtk::FormWindow* window = nullptr;
    std::optional<WindowDriver> driver;
    std::vector<std::string> log;
    std::vector<ov::Connection> links;
};

class WizardWindow : public FormInWindow {
protected:
    void SetUp() override {
        open("setup-wizard.json");
        auto nav = form->control("Nav");
        for (const char* event : {"FinishClick", "CancelClick"})
            links.push_back(nav->on(event, [this, event](ov::Args&) { log.emplace_back(event); }));
        links.push_back(nav->on("AfterPageChange", [this](ov::Args& a) {
            log.push_back("to " + a[1].toObject()->get("Name").toString());
        }));
    }
};

// Enter walks on and finishes on the last page, Escape cancels, Alt+B goes back and a plain B does not.
TEST_F(WizardWindow, EnterEscapeAndAltBDriveTheNavigator) {
    const std::pair<XKeySym, bool> keys[] = {
        {XK_Return, false}, {XK_Escape, false}, {XK_Return, false}, {XK_b, false},      {XK_b, true},
        {XK_b, true},       {XK_Return, false}, {XK_Return, false}, {XK_Return, false}, {XK_Return, false}};
    for (const auto& [key, alt] : keys)
        ASSERT_TRUE(alt ? driver->key(key, {XK_Alt_L}) : driver->key(key)) << key << (alt ? " with Alt" : "");
    EXPECT_EQ(log,
              (std::vector<std::string>{"to License", "CancelClick", "to Options", "to License", "to Welcome",
                                        "to License", "to Options", "to Finish", "FinishClick"}));
}

// The window shows the renderer's pixels: every 3rd pixel both ways of the client area, from the X server.
TEST_F(WizardWindow, ShowsTheRenderersPicture) {
    ASSERT_TRUE(driver->key(XK_Return)); // the License page: banner, text and all four button states
    const ov::Bitmap expected = ov::Renderer().render(*form);
    const ov::Bitmap shot = driver->screenshot();
    ASSERT_EQ(std::pair(shot.width(), shot.height()), std::pair(expected.width(), expected.height()));
    int probes = 0, differ = 0;
    for (int y = 0; y < shot.height(); y += 3) {
        for (int x = 0; x < shot.width(); x += 3, ++probes) {
            if (!(shot.pixel(x, y) == expected.pixel(x, y)) && differ++ < 5)
                ADD_FAILURE() << "pixel " << x << "," << y << " differs";
        }
    }
    EXPECT_EQ(differ, 0) << "of " << probes << " probes";
}

TEST_F(WizardWindow, ShowCommandsHideAndRestoreTheWindow) {
    ov::WindowTable& table = ov::WindowTable::current();
    GtkWidget* w = GTK_WIDGET(window->window());
    table.showWindow(window->hwnd(), ov::win::SW_HIDE);
    host.update();
    EXPECT_TRUE(driver->waitFor([&] { return !gtk_widget_get_mapped(w); }));
    table.showWindow(window->hwnd(), ov::win::SW_RESTORE);
    host.update();
    EXPECT_TRUE(driver->waitFor([&] { return gtk_widget_get_mapped(w); }));
    // Closing the window unloads the form; its window leaves the table.
    gtk_window_close(window->window());
    EXPECT_TRUE(driver->waitFor([&] { return !form->isLoaded(); }));
    EXPECT_FALSE(table.isWindow(table.find(form.get())));
}

// The user minimizing and restoring the window reaches the window procedures: OvMinimized on the options
// dialog minimizes the owner window with it and hides the dialog, and restoring the owner brings it back.
TEST_F(FormInWindow, MinimizingTheWindowGoesThroughTheWindowTable) {
    open("options-dialog.json");
    ov::WindowTable& table = ov::WindowTable::current();
    GtkWidget* w = GTK_WIDGET(window->window());
    driver->setMinimizedByUser(true);
    ASSERT_TRUE(driver->waitFor([&] { return table.state(window->hwnd()) == ov::WindowState::Minimized; }));
    driver->setMinimizedByUser(false);
    ASSERT_TRUE(driver->waitFor([&] { return table.state(window->hwnd()) == ov::WindowState::Normal; }));
    EXPECT_EQ(table.state(table.ownerWindow()), ov::WindowState::Normal);

    form->add("OvComCtl.OvMinimized", "Minimizer");
    driver->setMinimizedByUser(true);
    ASSERT_TRUE(driver->waitFor([&] { return !gtk_widget_get_mapped(w); }));
    EXPECT_EQ(table.state(window->hwnd()), ov::WindowState::Hidden);
    EXPECT_EQ(table.state(table.ownerWindow()), ov::WindowState::Minimized);
    table.send(table.ownerWindow(), ov::win::WM_SYSCOMMAND, ov::win::SC_RESTORE, 0); // from the taskbar
    host.update();
    EXPECT_TRUE(driver->waitFor([&] { return gtk_widget_get_mapped(w); }));
    EXPECT_EQ(table.state(window->hwnd()), ov::WindowState::Normal);
}

// A sizable form (the information panel's, BorderStyle 2) takes the size the window is given and raises
// Resize; the window then shows the whole form at that size.
TEST_F(FormInWindow, SizableFormAndItsWindowAgreeOnTheSize) {
    open("info-panel.json");
    int resizes = 0;
    form->Resize.connect([&] { ++resizes; });
    const uint64_t frames = window->framesDrawn();
    const float tpp = static_cast<float>(host.twipsPerPixel());
    gtk_window_set_default_size(window->window(), 700, 500);
    ASSERT_TRUE(driver->waitFor([&] {
        return form->ScaleWidth() == 700 * tpp && form->ScaleHeight() == 500 * tpp &&
               window->framesDrawn() > frames;
    }));
    EXPECT_GE(resizes, 1);
    EXPECT_EQ(host.renderer().render(*form).width(), 700);
    // A form that keeps a minimum width has the window follow it.
    form->Resize.connect([&] {
        if (form->ScaleWidth() < 600 * tpp) form->setWidth(600 * tpp + (form->Width() - form->ScaleWidth()));
    });
    gtk_window_set_default_size(window->window(), 400, 300);
    ASSERT_TRUE(driver->waitFor([&] {
        return gtk_widget_get_width(window->canvas()) == 600 &&
               gtk_widget_get_height(window->canvas()) == 300;
    }));
    EXPECT_EQ(std::pair(form->ScaleWidth(), form->ScaleHeight()), std::pair(600 * tpp, 300 * tpp));
}

class OptionsWindow : public FormInWindow {
protected:
    void SetUp() override {
        open("options-dialog.json");
        links.push_back(form->control("Options")->on("AfterPageChange", [this](ov::Args& a) {
            log.push_back("page " + a[0].toString() + " to " + a[1].toString());
        }));
        ov::ConstituentControl& t = tree();
        links.push_back(t.Click().connect([this] { log.emplace_back("Click"); }));
        links.push_back(t.DblClick().connect([this] { log.emplace_back("DblClick"); }));
        for (auto [event, name] : {std::pair{&ov::ConstituentControl::MouseDown, "MouseDown"},
                                   std::pair{&ov::ConstituentControl::MouseUp, "MouseUp"}}) {
            links.push_back((t.*event)().connect([this, name](int16_t& button, int16_t&, float&, float& y) {
                log.push_back(std::string(name) + " " + std::to_string(button) + (y < 0 ? " above" : ""));
            }));
        }
    }
    ov::TreeView& tree() { return form->control<ov::OvTreeBase>("Options")->tvOptions(); }
    // The middle of the label of the row that shows `text`.
    std::pair<int, int> row(const std::string& text) {
        const auto rows = tree().visibleRows();
        const auto it =
            std::find_if(rows.begin(), rows.end(), [&](ov::Node* n) { return n->Text() == text; });
        EXPECT_NE(it, rows.end()) << text;
        const float index = static_cast<float>(it - rows.begin() - tree().TopRow());
        return pixelOf("Options", tree(), tree().labelLeft(**it) + 60,
                       2.f * host.twipsPerPixel() + index * tree().rowHeight() + tree().rowHeight() / 2);
    }
};

TEST_F(OptionsWindow, PageChosenByAClickOnItsTreeRow) {
    const auto [x, y] = row("Fonts");
    ASSERT_TRUE(driver->click(x, y));
    EXPECT_EQ(log, (std::vector<std::string>{"page 1 to 2", "MouseDown 1", "MouseUp 1", "Click"}));
    EXPECT_TRUE(form->control("pgFonts")->Visible());
    EXPECT_FALSE(form->control("pgView")->Visible());
}

// The tree selects on a press, before the host hears MouseDown. A double click: the second press is
// DblClick. A press dragged off the tree, to the form's top edge, is released to the tree (at a y above
// it) and is no click.
TEST_F(OptionsWindow, DoubleClickAndDragReachTheTreeInOrder) {
    const auto [x, y] = row("Fonts");
    ASSERT_TRUE(driver->click(x, y, 2));
    EXPECT_EQ(log, (std::vector<std::string>{"page 1 to 2", "MouseDown 1", "MouseUp 1", "Click", "DblClick",
                                             "MouseUp 1"}));
    log.clear();
    const auto [vx, vy] = row("View");
    ASSERT_TRUE(driver->drag(vx, vy, vx, 0));
    EXPECT_EQ(log, (std::vector<std::string>{"page 2 to 1", "MouseDown 1", "MouseUp 1 above"}));
}

TEST_F(FormInWindow, SpinBoxesSteppedByArrowKeysTypedIntoAndLeftWithTab) {
    open("controls.json");
    auto copies = form->control("spnCopies"), pages = form->control("spnPages");
    const ov::ConstituentControl& text = *copies->control().children().front();
    const auto [x, y] = pixelOf("spnCopies", text, 60, 60);
    ASSERT_TRUE(driver->click(x, y));
    for (XKeySym k : {XK_Up, XK_Up, XK_Down, XK_Up})
        ASSERT_TRUE(driver->key(k));
    EXPECT_EQ(copies->get("Value").toInt32(), 3);
    ASSERT_TRUE(driver->key(XK_Tab)); // to the pages box, which steps by 10
    ASSERT_TRUE(driver->key(XK_Up));
    EXPECT_EQ(pages->get("Value").toInt32(), 10);
    ASSERT_TRUE(driver->key(XK_Tab, {XK_Shift_L}));
    ASSERT_TRUE(driver->key(XK_Down));
    EXPECT_EQ(std::pair(copies->get("Value").toInt32(), pages->get("Value").toInt32()), std::pair(2, 10));
    // Typed into the copies box, taken when the focus leaves it.
    for (XKeySym k : {XK_End, XK_BackSpace, XK_4, XK_2})
        ASSERT_TRUE(driver->key(k));
    EXPECT_EQ(copies->control().children().front()->get("Text").toString(), "42");
    ASSERT_TRUE(driver->key(XK_Tab));
    EXPECT_EQ(copies->get("Value").toInt32(), 42);
}

// The detail window of an information line opens modally over the panel's window; Esc closes it and the
// click that opened it returns; so does Alt+F4.
TEST_F(FormInWindow, DetailWindowIsModalAndClosesWithEscapeOrAltF4) {
    open("info-panel.json");
    auto stats = form->control("Stats");
    const std::string value = "\\\\server\\projects\\2026\\customers\\archive\\invoices\\december\\scans";
    ASSERT_EQ(stats->call("AddInfoLabel", {"Source", value}).toInt32(), 0);
    host.update();
    // Where the "Full info..." link is drawn.
    std::optional<std::pair<int, int>> link;
    const ov::Bitmap frame = host.renderer().render(*form);
    for (int y = 0; y < frame.height() && !link; y += 2) {
        for (int x = 0; x < frame.width() && !link; x += 2) {
            const auto hit = ov::gtk::hitTest(*form, x, y, host.twipsPerPixel(), host.twipsPerPixel());
            if (hit.child && hit.child->Name() == "lblFullInfo") link = {{x + 4, y + 4}};
        }
    }
    ASSERT_TRUE(link);
    struct Closing {
        XKeySym key;
        XKeySym modifier;
    };
    for (const Closing c : {Closing{XK_Escape, 0}, Closing{XK_F4, XK_Alt_L}}) {
        bool modal = false, ownedByPanel = false;
        WindowDriver::whenWindowOpens("Source", [&](GtkWindow* detail) {
            ASSERT_NE(detail, nullptr) << "no detail window titled Source";
            modal = gtk_window_get_modal(detail);
            ownedByPanel = gtk_window_get_transient_for(detail) == window->window();
            WindowDriver inDetail(host, detail);
            if (inDetail.ready()) {
                c.modifier ? inDetail.sendKey(c.key, {c.modifier}) : inDetail.sendKey(c.key);
            } else {
                ADD_FAILURE() << "the detail window never took the focus";
                gtk_window_close(detail);
            }
        });
        ASSERT_TRUE(driver->click(link->first, link->second)); // returns once the detail window has closed
        EXPECT_EQ(std::pair(modal, ownedByPanel), std::pair(true, true));
        EXPECT_TRUE(driver->waitFor([&] { return host.windows().size() == 1; }));
    }
}

} // namespace
