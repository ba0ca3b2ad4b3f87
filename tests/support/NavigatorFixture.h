#pragma once

#include "platform/CommandButton.h"
#include "platform/Form.h"
#include "support/WizardFixture.h"
#include "wizard/OvWizardNavigator.h"

#include <string>

namespace ovtest {

// A form with a navigator and, once pages() is called, three registered stand-in pages (indices 1, 2,
// 3; next 2, 3, 0; back 0, 1, 2). The navigator's events are written to the log as they arrive.
class NavigatorFixture : public WizardFixture {
protected:
    ov::FormRef form;
    std::shared_ptr<ov::OvWizardNavigator> nav;
    std::vector<ov::ScopedConnection> watching;

    void makeForm(ov::Mode mode) {
        form = ov::Form::create("frmWizard", mode);
        form->add("OvComCtl.OvWizardNavigator", "Nav");
        nav = form->control<ov::OvWizardNavigator>("Nav");
        watch();
    }

    void threePages(bool useDefaultSet = true) {
        for (int32_t i = 1; i <= 3; ++i) {
            auto p = page("Page" + std::to_string(i), i, i - 1, i < 3 ? i + 1 : 0);
            p->useDefaultButtonSet = useDefaultSet;
        }
    }

    static std::string name(const ov::CPageRef& p) { return p ? p->Name() : "none"; }
    static std::string dir(ov::OvWizardDirectionConstant d) {
        return d == ov::OvWizardDirectionConstant::ovWizardGoForward ? "forward" : "back";
    }

    void watch() {
        using ov::CPageRef;
        using ov::OvWizardDirectionConstant;
        watching.emplace_back(nav->BeforePageChange.connect(
            [this](OvWizardDirectionConstant d, CPageRef& next, CPageRef current, bool& cancel) {
                log.push_back("Before " + dir(d) + " " + name(next) + " from " + name(current) +
                              (cancel ? " cancel" : ""));
            }));
        watching.emplace_back(
            nav->AfterPageChange.connect([this](OvWizardDirectionConstant d, CPageRef now, CPageRef old) {
                log.push_back("After " + dir(d) + " " + name(now) + " from " + name(old));
            }));
        watching.emplace_back(nav->FinishClick.connect([this] { log.push_back("FinishClick"); }));
        watching.emplace_back(nav->CancelClick.connect([this] { log.push_back("CancelClick"); }));
        watching.emplace_back(nav->HelpClick.connect([this] { log.push_back("HelpClick"); }));
        watching.emplace_back(nav->ExitClick.connect([this] { log.push_back("ExitClick"); }));
        watching.emplace_back(nav->OnError.connect([this](int32_t n, std::string d, std::string s) {
            log.push_back("OnError " + std::to_string(n) + " " + d + " " + s);
        }));
    }

    ov::CommandButton& button(ov::ovEn_Button_Position p) { return nav->button(p); }
    ov::CommandButton& rightMiddle() { return button(ov::ovEn_Button_Position::ovBPRightMiddle); }
    ov::CommandButton& leftMiddle() { return button(ov::ovEn_Button_Position::ovBPLeftMiddle); }
    ov::CommandButton& right() { return button(ov::ovEn_Button_Position::ovBPRight); }
    ov::CommandButton& left() { return button(ov::ovEn_Button_Position::ovBPLeft); }
    int32_t current() { return mediator().CurrentPageIndex(); }
};

} // namespace ovtest
