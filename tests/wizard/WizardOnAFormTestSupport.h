#pragma once

#include "platform/CommandButton.h"
#include "platform/Extender.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/Runtime.h"
#include "wizard/CPages.h"
#include "wizard/CWizardNavigator.h"
#include "wizard/OvWizardNavigator.h"
#include "wizard/OvWizardTab.h"
#include "wizard/WizardGlobals.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace ovtest {

// A real wizard as a host builds it: a navigator and pages placed on a design form, saved as form
// file text, and loaded back in either mode. Events of the navigator go to `log`.
class WizardOnAForm : public ::testing::Test {
protected:
    static constexpr auto Left = ov::ovEn_Button_Position::ovBPLeft;
    static constexpr auto LeftMiddle = ov::ovEn_Button_Position::ovBPLeftMiddle;
    static constexpr auto RightMiddle = ov::ovEn_Button_Position::ovBPRightMiddle;
    static constexpr auto Right = ov::ovEn_Button_Position::ovBPRight;

    ov::Runtime runtime;
    std::vector<std::string> log;
    std::vector<ov::ScopedConnection> watching;

    // A design form with the navigator "Nav" and the pages, in that order.
    static ov::FormRef designWizard(const std::vector<std::string>& pages) {
        auto form = ov::Form::create("frmWizard", ov::Mode::Design);
        form->add("OvComCtl.OvWizardNavigator", "Nav");
        for (const auto& name : pages)
            form->add("OvComCtl.OvWizardTab", name);
        return form;
    }
    static std::string text(ov::Form& form) { return ov::FormFile::write(form, "wizard.json"); }
    static ov::FormRef load(const std::string& text, ov::Mode mode) {
        return ov::FormFile::read(text, "wizard.json", mode);
    }

    static std::shared_ptr<ov::OvWizardNavigator> nav(ov::Form& form) {
        return form.control<ov::OvWizardNavigator>("Nav");
    }
    static std::shared_ptr<ov::OvWizardTab> page(ov::Form& form, const std::string& name) {
        return form.control<ov::OvWizardTab>(name);
    }

    void watch(ov::OvWizardNavigator& n) {
        watching.emplace_back(n.OnError.connect([this](int32_t number, std::string d, std::string s) {
            log.push_back("OnError " + std::to_string(number) + " " + d + " " + s);
        }));
    }

    ov::CWizardNavigator& mediator() { return *ov::wizardThreadState().mediator; }
    const std::vector<ov::HeadlessMessageBox::Shown>& boxes() { return runtime.headlessMessageBox().shown(); }
    std::vector<std::string> prompts() {
        std::vector<std::string> out;
        for (const auto& b : boxes())
            out.push_back(b.prompt);
        return out;
    }
};

} // namespace ovtest
