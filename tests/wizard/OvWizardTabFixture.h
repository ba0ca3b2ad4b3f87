#pragma once

#include "platform/Extender.h"
#include "platform/Form.h"
#include "platform/Picture.h"
#include "platform/PropertyBag.h"
#include "support/WizardFixture.h"

#include <memory>
#include <string>
#include <vector>

namespace ovtest {

// Pages alone on a borderless design form of 7500 x 6000 twips, so that a page docked to its top is
// 7500 wide inside. Pages go on the form by program id.
class WizardTabFixture : public WizardFixture {
protected:
    struct SavedPage {
        std::string name;
        ov::PropertyBag bag;
        ov::ExtenderValues values;
    };

    WizardTabFixture() { form = designForm(); }

    static ov::FormRef designForm() {
        auto f = ov::Form::create("frmWizard", ov::Mode::Design);
        f->setBorderStyle(0);
        f->Move(0, 0, 7500, 6000);
        return f;
    }

    std::shared_ptr<ov::OvWizardTab> addPage(const std::string& name) {
        return form->add("OvComCtl.OvWizardTab", name)->controlAs<ov::OvWizardTab>();
    }
    // Pages Page1..PageN, in that order.
    void addPages(int n) {
        for (int i = 1; i <= n; ++i)
            addPage("Page" + std::to_string(i));
    }
    ov::Extender& ext(const std::string& name) const { return *form->control(name); }

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
    // Saves the pages and loads them again in `mode`.
    void reload(ov::Mode mode) {
        auto saved = save();
        reload(saved, mode);
    }
};

} // namespace ovtest
