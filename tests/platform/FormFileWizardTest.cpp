#include "platform/FailureCapture.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/FormFileFixture.h"
#include "wizard/CPages.h"
#include "wizard/WizardGlobals.h"

namespace ovtest {
namespace {

using namespace ov;
using ov::test::failureFrom;

// The wizard pages register with the thread's page registry as they load; a refused load must not
// leave any of them registered.
class FormFileWizardTest : public FormFileFixture {
protected:
    static int32_t registeredPages() {
        const auto& registry = wizardThreadState().registry;
        return registry ? registry->Count() : 0;
    }
    std::string wizardText() {
        auto f = Form::create("frmWizard", Mode::Design);
        f->add("OvComCtl.OvWizardNavigator", "Nav");
        f->add("OvComCtl.OvWizardTab", "Step1")->let("BannerTitle", "Choose a folder");
        f->add("OvComCtl.OvWizardTab", "Step2");
        const std::string text = FormFile::write(*f, "wizard.json");
        f.reset();
        EXPECT_EQ(registeredPages(), 0);
        return text;
    }
};

TEST_F(FormFileWizardTest, LoadedPagesRegisterAndLeaveWithTheirForm) {
    spit(pathOf("wizard.json"), wizardText());
    for (Mode mode : {Mode::Design, Mode::Run}) {
        auto f = Form::load(pathOf("wizard.json"), mode);
        EXPECT_EQ(registeredPages(), 2);
        EXPECT_EQ(f->control("Step1")->get("BannerTitle").toString(), "Choose a folder");
        f.reset();
        EXPECT_EQ(registeredPages(), 0);
    }
}

TEST_F(FormFileWizardTest, RefusedLoadLeavesNoPageRegistered) {
    std::string text = wizardText();
    // A control after the pages that fails while it reads its properties.
    const std::string tail = R"(,{"progId": "OvComCtlTest.Sampler", "name": "Broken"}]})";
    text.erase(text.find_last_of(']'));
    text += tail;
    Sampler::failAt() = "Broken ReadProperties";
    for (Mode mode : {Mode::Design, Mode::Run}) {
        auto failure = failureFrom([&] { FormFile::read(text, "wizard.json", mode); });
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->description(), "wizard.json: control Broken: sampler fails in ReadProperties");
        EXPECT_EQ(registeredPages(), 0);
    }
}

} // namespace
} // namespace ovtest
