#include "platform/CommandButton.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/Runtime.h"
#include "wizard/CPages.h"
#include "wizard/OvWizardNavigator.h"
#include "wizard/WizardGlobals.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace ov;

namespace {

// A designed four-page wizard with some changed texts, saved as text.
std::string designedWizard() {
    auto form = Form::create("frmSetup", Mode::Design);
    form->add("OvComCtl.OvWizardNavigator", "Nav");
    for (const char* name : {"Welcome", "License", "Options", "Done"})
        form->add("OvComCtl.OvWizardTab", name);
    form->control("Welcome")->let("WatermarkTitle", "Welcome");
    form->control("License")->let("BannerTitle", "License Agreement");
    form->control("Nav")->let("FinishCaption", "&Install");
    std::string text = FormFile::write(*form, "setup.json");
    form->unload();
    return text;
}

} // namespace

TEST(WizardFormFileTest, ARunWizardSavedAgainFromDesignModeGivesTheSameFile) {
    Runtime runtime;
    const std::string designed = designedWizard();
    {
        auto run = FormFile::read(designed, "setup.json", Mode::Run);
        run->show();
        auto nav = run->control<OvWizardNavigator>("Nav");
        EXPECT_EQ(nav->CurrentPage()->Name(), "Welcome");
        for (int i = 0; i < 3; ++i)
            nav->NextClick();
        EXPECT_EQ(nav->CurrentPage()->Name(), "Done");
        EXPECT_EQ(nav->button(ovEn_Button_Position::ovBPRightMiddle).Caption(), "&Install");
        run->unload();
    }
    auto design = FormFile::read(designed, "setup.json", Mode::Design);
    EXPECT_EQ(FormFile::write(*design, "setup.json"), designed);
    design->unload();
}

TEST(WizardFormFileTest, DefaultsStayOutOfTheFile) {
    Runtime runtime;
    auto form = Form::create("frmSetup", Mode::Design);
    form->add("OvComCtl.OvWizardNavigator", "Nav");
    form->add("OvComCtl.OvWizardTab", "Only");
    auto file = nlohmann::json::parse(FormFile::write(*form, "x.json"));
    for (const auto& control : file["controls"]) {
        if (control["progId"] == "OvComCtl.OvWizardNavigator") {
            EXPECT_TRUE(control["properties"].empty()) << control["properties"].dump();
        }
    }
    form->unload();
}

TEST(WizardFormFileTest, ALoadedWizardShowsItsStartPageAndRegistersItsPagesInOrder) {
    Runtime runtime;
    const std::string designed = designedWizard();
    auto run = FormFile::read(designed, "setup.json", Mode::Run);
    auto pages = wizardThreadState().registry;
    ASSERT_EQ(pages->Count(), 4);
    std::vector<std::string> names;
    for (const auto& p : *pages)
        names.push_back(p->Name());
    EXPECT_EQ(names, (std::vector<std::string>{"Welcome", "License", "Options", "Done"}));
    run->unload();
}
