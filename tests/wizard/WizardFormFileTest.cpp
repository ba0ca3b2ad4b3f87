#include "platform/CommandButton.h"
#include "platform/FailureCapture.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/FormFileFixture.h"
#include "wizard/CPages.h"
#include "wizard/OvWizardNavigator.h"
#include "wizard/WizardGlobals.h"

namespace ovtest {
namespace {

using namespace ov;

// A designed four-page wizard with some changed texts, saved as text. Pages register with the thread's
// page registry as they load and leave it with their form.
class WizardFormFileTest : public FormFileFixture {
protected:
    static int32_t registeredPages() {
        const auto& registry = wizardThreadState().registry;
        return registry ? registry->Count() : 0;
    }
    static std::vector<std::string> pageNames() {
        std::vector<std::string> names;
        for (const auto& p : *wizardThreadState().registry)
            names.push_back(p->Name());
        return names;
    }
    std::string designed() {
        auto form = Form::create("frmSetup", Mode::Design);
        form->add("OvComCtl.OvWizardNavigator", "Nav");
        for (const char* name : {"Welcome", "License", "Options", "Done"})
            form->add("OvComCtl.OvWizardTab", name);
        form->control("Welcome")->let("WatermarkTitle", "Welcome");
        form->control("License")->let("BannerTitle", "License Agreement");
        form->control("Nav")->let("FinishCaption", "&Install");
        std::string text = FormFile::write(*form, "setup.json");
        form->unload();
        EXPECT_EQ(registeredPages(), 0);
        return text;
    }
};

TEST_F(WizardFormFileTest, ARunWizardSavedAgainFromDesignModeGivesTheSameFile) {
    const std::string text = designed();
    {
        auto run = FormFile::read(text, "setup.json", Mode::Run);
        run->show();
        auto nav = run->control<OvWizardNavigator>("Nav");
        EXPECT_EQ(nav->CurrentPage()->Name(), "Welcome");
        for (int i = 0; i < 3; ++i)
            nav->NextClick();
        EXPECT_EQ(nav->CurrentPage()->Name(), "Done");
        EXPECT_EQ(nav->button(ovEn_Button_Position::ovBPRightMiddle).Caption(), "&Install");
        run->unload();
    }
    auto design = FormFile::read(text, "setup.json", Mode::Design);
    EXPECT_EQ(FormFile::write(*design, "setup.json"), text);
    design->unload();
}

TEST_F(WizardFormFileTest, LoadedPagesRegisterInOrderAndLeaveWithTheirForm) {
    spit(pathOf("setup.json"), designed());
    for (Mode mode : {Mode::Design, Mode::Run}) {
        auto f = Form::load(pathOf("setup.json"), mode);
        EXPECT_EQ(pageNames(), (std::vector<std::string>{"Welcome", "License", "Options", "Done"}));
        EXPECT_EQ(f->control("License")->get("BannerTitle").toString(), "License Agreement");
        f.reset();
        EXPECT_EQ(registeredPages(), 0);
    }
}

TEST_F(WizardFormFileTest, RefusedLoadLeavesNoPageRegistered) {
    std::string text = designed();
    // A control after the pages that fails while it reads its properties.
    text.erase(text.find_last_of(']'));
    text += R"(,{"progId": "OvComCtlTest.Sampler", "name": "Broken"}]})";
    Sampler::failAt() = "Broken ReadProperties";
    for (Mode mode : {Mode::Design, Mode::Run}) {
        EXPECT_EQ(test::failureText([&] { FormFile::read(text, "setup.json", mode); }),
                  "5 setup.json: control Broken: sampler fails in ReadProperties");
        EXPECT_EQ(registeredPages(), 0);
    }
}

} // namespace
} // namespace ovtest
