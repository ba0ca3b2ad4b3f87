#pragma once

#include "platform/CommandButton.h"
#include "platform/Form.h"
#include "platform/FormFileSamples.h"
#include "platform/Picture.h"
#include "platform/Runtime.h"
#include "support/ShownBoxes.h"
#include "wizard/CPages.h"
#include "wizard/CWizardNavigator.h"
#include "wizard/OvWizardNavigator.h"
#include "wizard/OvWizardTab.h"
#include "wizard/WizardGlobals.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace ovtest {

// A fresh runtime (so fresh wizard globals) per test, and wizards built as hosts build them: a real
// OvWizardNavigator and real OvWizardTab pages on one form, designed, saved as a form file and run.
class WizardFixture : public ::testing::Test {
protected:
    static constexpr auto Left = ov::ovEn_Button_Position::ovBPLeft;
    static constexpr auto LeftMiddle = ov::ovEn_Button_Position::ovBPLeftMiddle;
    static constexpr auto RightMiddle = ov::ovEn_Button_Position::ovBPRightMiddle;
    static constexpr auto Right = ov::ovEn_Button_Position::ovBPRight;
    static constexpr ov::ovEn_Button_Position kPositions[] = {Left, LeftMiddle, RightMiddle, Right};

    ov::Runtime runtime;
    ov::FormRef form;
    std::shared_ptr<ov::OvWizardNavigator> nav;
    std::vector<std::string> log;
    std::vector<ov::ScopedConnection> watching;

    // A design form with the navigator "Nav" and `pages` pages Page1..PageN, which chain themselves:
    // PageIndex i, PageBack i - 1, PageNext i + 1 (0 on the last).
    void design(int pages);
    // The same with the pages named, in that order.
    void design(const std::vector<std::string>& pages);
    // The form as form file text ("wizard.json").
    std::string text() const;
    // Replaces the form by one read from `file` in `mode` (the old form goes first, so its controls no
    // longer answer the thread's mediator); the navigator's events are then logged.
    void load(const std::string& file, ov::Mode mode);
    // Saves the form as a form file and loads it again in `mode`.
    void reload(ov::Mode mode) { load(text(), mode); }
    // A designed wizard of `pages` pages, run and shown: its start page shows. The log holds what the
    // navigator raised while the form loaded and showed (nothing, as no page change happened).
    void runWizard(int pages = 3);
    // A running form and a page loaded into it with these places, as a form file would load it.
    std::shared_ptr<ov::OvWizardTab> loadPage(const std::string& name, int32_t index, int32_t back = 0,
                                              int32_t next = 0, int32_t mode = 1);

    std::shared_ptr<ov::OvWizardTab> page(const std::string& name) const {
        return form->control<ov::OvWizardTab>(name);
    }
    ov::CPageRef descriptor(const std::string& name) const { return page(name)->descriptor(); }
    // The names of the pages that show, "Page1" or "Page1 Page3"; "none".
    std::string showing() const;
    // "Caption visible enabled tag 2 default cancel" for a navigator button.
    std::string state(ov::ovEn_Button_Position p) const;
    // state() of the four buttons, left to right.
    std::vector<std::string> states() const;
    ov::CommandButton& button(ov::ovEn_Button_Position p) const { return nav->button(p); }
    // The buttons' roles, left to right: "D" default, "C" cancel, "-" neither ("--DC"); "x" marks a
    // disabled button ("-x-C" has the left-middle button disabled).
    std::string roles() const;
    // The buttons' lefts from the right: right, right-middle, left-middle, left.
    std::vector<float> lefts() const;
    // "top width height" of the four buttons when they share them, or each button's.
    std::string buttonSizes() const;
    int32_t current() { return mediator().CurrentPageIndex(); }

    ov::CWizardNavigator& mediator() { return *ov::wizardThreadState().mediator; }
    ov::CPages& registry() { return *ov::wizardThreadState().registry; }
    const std::vector<ov::HeadlessMessageBox::Shown>& boxes() { return runtime.headlessMessageBox().shown(); }
    void showErrors(bool on) { ov::wizardThreadState().showErrors = on; }
    // The failures the navigator reported, the "OnError ..." lines of the log.
    std::vector<std::string> errors() const;
    std::vector<std::string> prompts() {
        std::vector<std::string> out;
        for (const auto& b : boxes())
            out.push_back(b.prompt);
        return out;
    }
    // The message boxes shown so far, one "<title> | <style> | <prompt>" each.
    std::vector<std::string> shownBoxes() { return ovtest::shownBoxes(runtime); }

    // A PNG header of the given size in pixels: enough for a picture's size.
    static ov::PictureRef picture(uint16_t width, uint16_t height) {
        return ov::Picture::fromPng(samplePng(width, height));
    }

    // Logs the navigator's events, each page change with the pages that show while it is raised:
    // "Before forward Page2 from Page1 showing Page1", "After forward Page2 from Page1 showing Page2".
    void watch(ov::OvWizardNavigator& n);
};

} // namespace ovtest
