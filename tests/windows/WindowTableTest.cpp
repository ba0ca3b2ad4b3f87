// The window layer on its own and under forms: handles, owner and parent, show commands and what
// they draw, the procedure chain a system command travels through.
#include "platform/WindowTable.h"

#include "platform/Extender.h"
#include "platform/Form.h"
#include "platform/Runtime.h"
#include "windows/ProcedureLog.h"

#include <gtest/gtest.h>

namespace {

using namespace ov;
using ovtest::ProcedureLog;

class WindowTableTest : public ::testing::Test {
protected:
    Runtime runtime;
    WindowTable& windows = WindowTable::current();
    FormRef form = Form::create("frmMain", Mode::Run);

    void SetUp() override {
        ProcedureLog::instance().reset();
        form->add("OvHost.Label", "lblInfo");
        form->add("OvComCtl.OvWizardTab", "Welcome");
    }
    void TearDown() override { ProcedureLog::instance().reset(); }
};

TEST_F(WindowTableTest, AShownFormHasAWindowOwnedByTheOwnerWindowAndItsControlsNone) {
    EXPECT_EQ(windows.find(form.get()), 0u);
    form->show();
    const HWnd hwnd = windows.find(form.get());
    ASSERT_NE(hwnd, 0u);
    EXPECT_EQ(windows.window(hwnd, win::GW_OWNER), windows.ownerWindow());
    EXPECT_EQ(windows.parent(hwnd), 0u);
    EXPECT_EQ(windows.state(windows.ownerWindow()), WindowState::Normal);
    // Shown once: its frame, then its client area.
    EXPECT_EQ(windows.state(hwnd), WindowState::Normal);
    EXPECT_EQ(std::pair(windows.framePaints(hwnd), windows.paints(hwnd)), std::pair(1u, 1u));
    for (const auto& ext : form->controls())
        EXPECT_EQ(windows.find(&ext->control()), 0u) << ext->Name();

    const HWnd child = windows.controlWindow(form->control("lblInfo")->control());
    EXPECT_EQ(windows.parent(child), hwnd);
    form->hide();
    EXPECT_EQ(windows.state(hwnd), WindowState::Hidden);
    form->show();
    EXPECT_EQ(windows.find(form.get()), hwnd);
    ASSERT_TRUE(form->unload());
    EXPECT_FALSE(windows.isWindow(hwnd));
    EXPECT_FALSE(windows.isWindow(child));
}

TEST_F(WindowTableTest, ShowCommandsChangeTheStateAndDrawWhatTheNewStateShows) {
    form->show();
    const HWnd hwnd = windows.find(form.get());
    struct Row {
        int32_t command;
        WindowState state;
        bool wasVisible;
        uint32_t frames, paints; // added by the command
    };
    const Row rows[] = {
        {win::SW_MINIMIZE, WindowState::Minimized, true, 1, 0},
        {win::SW_MINIMIZE, WindowState::Minimized, true, 0, 0},
        {win::SW_RESTORE, WindowState::Normal, true, 1, 1},
        {win::SW_HIDE, WindowState::Hidden, true, 0, 0},
        {win::SW_HIDE, WindowState::Hidden, false, 0, 0},
        {win::SW_MINIMIZE, WindowState::Minimized, false, 1, 0},
        {win::SW_HIDE, WindowState::Hidden, true, 0, 0},
        {win::SW_RESTORE, WindowState::Normal, false, 1, 1},
        {5, WindowState::Normal, true, 0, 0},
    };
    for (const Row& r : rows) {
        const uint32_t frames = windows.framePaints(hwnd), paints = windows.paints(hwnd);
        EXPECT_EQ(windows.showWindow(hwnd, r.command), r.wasVisible) << r.command;
        EXPECT_EQ(windows.state(hwnd), r.state) << r.command;
        EXPECT_EQ(windows.framePaints(hwnd) - frames, r.frames) << r.command;
        EXPECT_EQ(windows.paints(hwnd) - paints, r.paints) << r.command;
    }
}

TEST_F(WindowTableTest, ASystemCommandTravelsTheChainAndTheDefaultProcedureActsOnIt) {
    form->show();
    const HWnd hwnd = windows.find(form.get());
    auto& log = ProcedureLog::instance();
    EXPECT_EQ(log.install(hwnd, "form"), &WindowTable::defaultProc);
    const WindowProc recorder = windows.procedure(hwnd);

    windows.send(hwnd, win::WM_SYSCOMMAND, win::SC_MINIMIZE, 0);
    EXPECT_EQ(windows.state(hwnd), WindowState::Minimized);
    windows.send(hwnd, win::WM_SYSCOMMAND, win::SC_RESTORE | 2, 0); // the low bits are the system's
    EXPECT_EQ(windows.state(hwnd), WindowState::Normal);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"form:0112/F020", "form:0085", "form:0112/F122",
                                                   "form:0085", "form:000F"}));
    EXPECT_EQ(std::pair(windows.framePaints(hwnd), windows.paints(hwnd)), std::pair(3u, 2u));

    // Put back, the default procedure answers directly; a message to no window is answered 0.
    EXPECT_EQ(windows.setWindowLong(hwnd, win::GWL_WNDPROC, &WindowTable::defaultProc), recorder);
    log.lines.clear();
    windows.send(hwnd, win::WM_PAINT, 0, 0);
    EXPECT_TRUE(log.lines.empty());
    EXPECT_EQ(windows.send(9999, win::WM_SYSCOMMAND, win::SC_MINIMIZE, 0), 0);
}

} // namespace
