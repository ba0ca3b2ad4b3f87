#pragma once

#include "platform/Extender.h"
#include "platform/Form.h"
#include "platform/Picture.h"
#include "platform/PropertyBag.h"
#include "platform/Runtime.h"
#include "wizard/CPages.h"
#include "wizard/CWizardNavigator.h"
#include "wizard/OvWizardTab.h"
#include "wizard/WizardGlobals.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace ovtest {

// A fresh runtime (so fresh wizard globals) per test and a borderless design form of 7500 x 6000
// twips, so that a page docked to its top is 7500 wide inside. Pages go on the form by program id.
class WizardTabFixture : public ::testing::Test {
protected:
    static constexpr auto Left = ov::ovEn_Button_Position::ovBPLeft;
    static constexpr auto LeftMiddle = ov::ovEn_Button_Position::ovBPLeftMiddle;
    static constexpr auto RightMiddle = ov::ovEn_Button_Position::ovBPRightMiddle;
    static constexpr auto Right = ov::ovEn_Button_Position::ovBPRight;

    struct SavedPage {
        std::string name;
        ov::PropertyBag bag;
        ov::ExtenderValues values;
    };

    ov::Runtime runtime;
    ov::FormRef form = designForm();
    std::vector<std::string> log;
    std::vector<ov::ScopedConnection> watching;

    static ov::FormRef designForm() {
        auto f = ov::Form::create("frmWizard", ov::Mode::Design);
        f->setBorderStyle(0);
        f->Move(0, 0, 7500, 6000);
        return f;
    }

    std::shared_ptr<ov::OvWizardTab> addPage(const std::string& name) {
        return form->add("OvComCtl.OvWizardTab", name)->controlAs<ov::OvWizardTab>();
    }
    std::shared_ptr<ov::OvWizardTab> page(const std::string& name) const {
        return form->control<ov::OvWizardTab>(name);
    }
    ov::Extender& ext(const std::string& name) const { return *form->control(name); }

    ov::CWizardNavigator& mediator() { return *ov::wizardThreadState().mediator; }
    ov::CPages& registry() { return *ov::wizardThreadState().registry; }
    const std::vector<ov::HeadlessMessageBox::Shown>& boxes() { return runtime.headlessMessageBox().shown(); }

    // Logs the mediator's error relay: "OnError 382 Set not supported at runtime Page1::PageMode (Let)".
    void watchErrors() {
        watching.emplace_back(mediator().OnError.connect([this](int32_t n, std::string d, std::string s) {
            log.push_back("OnError " + std::to_string(n) + " " + d + " " + s);
        }));
    }

    // Saves every page of the form the way a form file does (extender values and property bag).
    std::vector<SavedPage> save() {
        std::vector<SavedPage> saved;
        for (const auto& e : form->controls()) {
            if (e->typeName() != "OvWizardTab") continue;
            SavedPage p{e->Name(), {}, e->values()};
            e->writeProperties(p.bag);
            saved.push_back(std::move(p));
        }
        return saved;
    }

    // Replaces the form by one loaded from `saved` in the given mode. The old form goes first, so its
    // pages no longer answer the thread's mediator. A running form keeps its border (a design-time
    // setting) and so is a little smaller inside.
    void reload(std::vector<SavedPage>& saved, ov::Mode mode) {
        form.reset();
        if (mode == ov::Mode::Design) {
            form = designForm();
        } else {
            form = ov::Form::create("frmWizard", mode);
            form->Move(0, 0, 7500, 6000);
        }
        for (auto& p : saved)
            form->addLoaded("OvComCtl.OvWizardTab", p.name, p.bag, p.values);
    }

    // A PNG header of the given size in pixels: enough for a picture's size.
    static ov::PictureRef picture(uint16_t width, uint16_t height) {
        std::string png("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\0\0\0\0\0\x08\x02\0\0\0", 29);
        png[18] = static_cast<char>(width >> 8);
        png[19] = static_cast<char>(width & 0xFF);
        png[22] = static_cast<char>(height >> 8);
        png[23] = static_cast<char>(height & 0xFF);
        return ov::Picture::fromPng(png);
    }
};

} // namespace ovtest
