// The host's own windows: the launcher of form files and the message box, used with real X events.
#include "WindowDriver.h"
#include "gtk/Launcher.h"
#include "gtk/MessageBoxWindow.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/Runtime.h"

#include <X11/keysym.h>
#include <gtest/gtest.h>

namespace {

class HostWindows : public ::testing::Test {
protected:
    ov::Runtime runtime;
    ov::gtk::WindowHost host;
};

TEST_F(HostWindows, LauncherOpensTheFormOfTheButtonClicked) {
    const std::string folder = OVCOMCTL_EXAMPLES;
    std::vector<std::string> opened;
    ov::gtk::Launcher launcher(host, "Examples", {folder + "/controls.json", folder + "/setup-wizard.json"},
                               [&](const std::string& path) {
                                   opened.push_back(path);
                                   host.open(ov::FormFile::load(path, ov::Mode::Run));
                               });
    WindowDriver driver(host, launcher.window());
    ASSERT_TRUE(driver.ready());
    driver.clickWidget(launcher.button(1));
    ASSERT_TRUE(driver.waitFor([&] { return host.windows().size() == 1; }));
    EXPECT_EQ(opened, std::vector<std::string>{folder + "/setup-wizard.json"});
    EXPECT_EQ(host.windows().front()->form().Name(), "frmSetup");
    EXPECT_TRUE(launcher.isOpen());
}

// Enter answers the style's default button (256: the second); closing the window answers Cancel where
// the set has one, else its first button.
TEST_F(HostWindows, MessageBoxAnswersWithItsDefaultButtonAndItsCancel) {
    ov::gtk::MessageBoxWindow box(host);
    struct Case {
        int32_t style;
        bool close;
        int32_t answer;
    };
    for (const Case c :
         {Case{ov::mb::YesNo + 256, false, ov::mb::No}, Case{ov::mb::YesNoCancel, true, ov::mb::Cancel},
          Case{ov::mb::OkOnly, true, ov::mb::Ok}}) {
        WindowDriver::whenWindowOpens("Confirm", [&](GtkWindow* shown) {
            ASSERT_NE(shown, nullptr) << "no message box";
            WindowDriver driver(host, shown);
            if (!driver.ready() || c.close) {
                EXPECT_TRUE(c.close) << "the message box never took the focus";
                gtk_window_close(shown);
                return;
            }
            driver.sendKey(XK_Return);
        });
        EXPECT_EQ(box.show("Save the changes?", c.style, "Confirm"), c.answer) << "style " << c.style;
    }
}

} // namespace
