#pragma once

#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/Extender.h"
#include "platform/PropertyDialog.h"
#include "platform/PropertyPage.h"
#include "platform/TextBox.h"
#include "support/WizardFixture.h"

#include <string>
#include <vector>

namespace ovtest {

// A designed wizard (the navigator "Nav" and pages Page1..Page3) and the property dialog a designer
// opens on one of its controls. The fields are read from the dialog's current page.
class PropertyPagesFixture : public WizardFixture {
protected:
    ov::PropertyDialog dialog;

    // Designs the wizard afresh and opens the dialog on `control`, its page `page` current; the
    // control's changed keys are cleared, so keys() lists what the dialog writes. With `ownSet` the wizard
    // page `control` has a button set of its own, so that the button frame of "Buttons Set" is enabled.
    void edit(const std::string& control, size_t page, bool ownSet = false) {
        if (dialog.isOpen()) dialog.cancel();
        design(3);
        if (ownSet) this->page(control)->setUseDefaultButtonSet(false);
        dialog.open({form->control(control)});
        dialog.showPage(page);
        form->control(control)->clearChangedKeys();
    }
    template <class T>
    T& field(const std::string& name) const {
        return dialog.currentPage().child<T>(name);
    }
    std::string text(const std::string& box) const { return field<ov::TextBox>(box).Text(); }
    std::string entry(const std::string& list) const { return field<ov::ComboBox>(list).Text(); }
    bool ticked(const std::string& box) const { return field<ov::CheckBox>(box).Value() == 1; }
    // The entries the four rule lists show, left to right: "Help Back Next Cancel".
    std::string rules() const {
        std::string out;
        for (const char* p : {"LB", "LMB", "RMB", "RB"})
            out += (out.empty() ? "" : " ") + entry(std::string("cbo") + p + "Rule");
        return out;
    }
    // The names of the boxes of one kind that are ticked: "RMB" or "none".
    std::string tickedOf(const std::string& kind) const {
        std::string out;
        for (const char* p : {"LB", "LMB", "RMB", "RB"})
            if (ticked(std::string("chk") + p + kind)) out += (out.empty() ? "" : " ") + std::string(p);
        return out.empty() ? "none" : out;
    }
    // What the control reported changed since the dialog opened, in order of first report.
    std::vector<std::string> keys(const std::string& control) const {
        return form->control(control)->changedKeys();
    }
};

} // namespace ovtest
