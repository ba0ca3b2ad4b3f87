// OvMinimized on a wizard form with a page and a label: hooks, the minimize and restore round trip
// through the real window procedures, paints while minimized, size, the duplicate refusal, terminate.
#include "options/OvMinimized.h"

#include "platform/Extender.h"
#include "platform/FailureCapture.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/Runtime.h"
#include "windows/ProcedureLog.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

using namespace ov;
using ovtest::ProcedureLog;

class OvMinimizedTest : public ::testing::Test {
protected:
    Runtime runtime;
    WindowTable& windows = WindowTable::current();

    void SetUp() override { ProcedureLog::instance().reset(); }
    void TearDown() override { ProcedureLog::instance().reset(); }

    static FormRef wizardForm(const char* name, Mode mode) {
        auto form = Form::create(name, mode);
        form->add("OvComCtl.OvWizardTab", "Welcome");
        form->add("OvHost.Label", "lblInfo");
        form->add("OvComCtl.OvMinimized", "Minimizer");
        return form;
    }
};

TEST_F(OvMinimizedTest, ItsSizeAndIconBelongToDesignTimeOnly) {
    struct Row {
        Mode mode;
        int32_t twipsPerPixel;
        float side;
        bool iconVisible;
    };
    for (const Row r :
         {Row{Mode::Design, 15, 420, true}, Row{Mode::Design, 12, 336, true}, Row{Mode::Run, 15, 0, false}}) {
        runtime.setTwipsPerPixel(r.twipsPerPixel, r.twipsPerPixel);
        auto form = wizardForm("frmOptions", r.mode);
        auto ext = form->control("Minimizer");
        ext->let("Width", 2000.0f); // the control keeps its own size
        EXPECT_EQ(ext->get("Width").toDouble(), r.side);
        EXPECT_EQ(ext->get("Height").toDouble(), r.side);
        EXPECT_EQ(ext->get("Controls", {"img"}).toObject()->get("Visible").toBool(), r.iconVisible);
        EXPECT_EQ(ext->get("Controls", {"Line4"}).toObject()->get("Visible").toBool(), r.iconVisible);
        // At design time a show hooks nothing.
        form->show();
        auto minimizer = form->control<OvMinimized>("Minimizer");
        EXPECT_TRUE(minimizer->hooked());
        EXPECT_EQ(windows.procedure(windows.find(form.get())) == OvMinimized::procedureA(),
                  r.mode == Mode::Run);
        form->unload();
    }
}

TEST_F(OvMinimizedTest, MinimizingTheFormTakesTheOwnerWindowAlongAndRestoringTheOwnerBringsBothBack) {
    // Designed, saved and loaded at run time, as a host ships it.
    auto design = wizardForm("frmOptions", Mode::Design);
    auto form = FormFile::read(FormFile::write(*design, "options.json"), "options.json", Mode::Run);
    design->unload();
    EXPECT_EQ(form->control("Minimizer")->Width(), 0);
    form->show();
    const HWnd formWindow = windows.find(form.get()), owner = windows.ownerWindow();
    EXPECT_EQ(form->control<OvMinimized>("Minimizer")->ownerWindow(), owner);
    EXPECT_EQ(windows.procedure(owner), OvMinimized::procedureB());
    // A second show installs nothing again: the recorders stay on top.
    auto& log = ProcedureLog::instance();
    EXPECT_EQ(log.install(formWindow, "form"), OvMinimized::procedureA());
    EXPECT_EQ(log.install(owner, "owner"), OvMinimized::procedureB());
    form->hide();
    form->show();
    log.lines.clear();
    const uint32_t frames = windows.framePaints(formWindow), paints = windows.paints(formWindow);

    windows.send(formWindow, win::WM_SYSCOMMAND, win::SC_MINIMIZE, 0);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"form:0112/F020", "owner:0085", "form:0085"}));
    EXPECT_EQ(std::tuple(windows.state(owner), windows.state(formWindow)),
              std::tuple(WindowState::Minimized, WindowState::Hidden));
    // While minimized the form draws nothing, whoever asks it to.
    EXPECT_EQ(windows.send(formWindow, win::WM_PAINT, 0, 0), 0);
    EXPECT_EQ(windows.send(formWindow, win::WM_NCPAINT, 1, 0), 0);
    EXPECT_EQ(
        std::tuple(windows.framePaints(formWindow), windows.paints(formWindow), windows.state(formWindow)),
        std::tuple(frames, paints, WindowState::Hidden));

    log.lines.clear();
    windows.send(owner, win::WM_SYSCOMMAND, win::SC_RESTORE, 0);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"owner:0112/F120", "owner:0085", "owner:000F", "form:0085",
                                                   "form:000F"}));
    EXPECT_EQ(std::tuple(windows.state(owner), windows.state(formWindow), windows.framePaints(formWindow),
                         windows.paints(formWindow)),
              std::tuple(WindowState::Normal, WindowState::Normal, frames + 1, paints + 1));
}

TEST_F(OvMinimizedTest, ASecondMinimizerOnAFormIsRefusedWithTheSystemMenuFailure) {
    auto form = wizardForm("frmOptions", Mode::Design);
    auto failure = test::failureFrom([&] { form->add("OvComCtl.OvMinimized", "Minimizer2"); });
    ASSERT_TRUE(failure);
    EXPECT_EQ(std::to_string(failure->number()) + " " + failure->source() + " " + failure->description(),
              "-2147221504 SystemMenu Control already exists.");
    EXPECT_EQ(form->findControl("Minimizer2"), nullptr);
    // One per form, not per thread.
    auto other = wizardForm("frmOther", Mode::Design);
    EXPECT_NE(other->findControl("Minimizer"), nullptr);
}

TEST_F(OvMinimizedTest, TerminatePutsTheOwnersProcedureBackAndASecondHookedFormTakesTheSetOver) {
    auto first = wizardForm("frmOptions", Mode::Run);
    auto second = wizardForm("frmDetails", Mode::Run);
    first->show();
    second->show();
    const HWnd owner = windows.ownerWindow(), secondWindow = windows.find(second.get());
    // Procedure B stays on the owner once: a restore ends, and reaches the form hooked last.
    windows.send(secondWindow, win::WM_SYSCOMMAND, win::SC_MINIMIZE, 0);
    EXPECT_EQ(windows.state(secondWindow), WindowState::Hidden);
    windows.send(owner, win::WM_SYSCOMMAND, win::SC_RESTORE, 0);
    EXPECT_EQ(windows.state(secondWindow), WindowState::Normal);
    EXPECT_EQ(windows.state(owner), WindowState::Normal);

    ASSERT_TRUE(second->unload());
    EXPECT_FALSE(windows.isWindow(secondWindow));
    EXPECT_EQ(windows.procedure(owner), &WindowTable::defaultProc);
    ASSERT_TRUE(first->unload());
    EXPECT_EQ(windows.procedure(owner), &WindowTable::defaultProc);
}

} // namespace
