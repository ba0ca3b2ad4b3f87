#pragma once

#include "platform/Runtime.h"
#include "support/TestPage.h"
#include "wizard/CPages.h"
#include "wizard/CWizardNavigator.h"
#include "wizard/WizardGlobals.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace ovtest {

// A fresh runtime (so fresh wizard globals) per test, with helpers to make registered test pages.
class WizardFixture : public ::testing::Test {
protected:
    ov::Runtime runtime;
    std::vector<std::string> log;
    std::vector<std::shared_ptr<TestPage>> pages;

    std::shared_ptr<TestPage> page(const std::string& name, int32_t index, int32_t back = 0, int32_t next = 0) {
        auto p = TestPage::create(name, index, back, next, &log);
        p->registerPage();
        pages.push_back(p);
        return p;
    }
    ov::CWizardNavigator& mediator() { return *ov::wizardThreadState().mediator; }
    ov::CPages& registry() { return *ov::wizardThreadState().registry; }
    const std::vector<ov::HeadlessMessageBox::Shown>& boxes() { return runtime.headlessMessageBox().shown(); }
    void showErrors(bool on) { ov::wizardThreadState().showErrors = on; }
};

} // namespace ovtest
