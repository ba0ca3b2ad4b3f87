#include "support/WizardFixture.h"

#include "platform/FormFile.h"
#include "platform/PropertyBag.h"

namespace ovtest {

using namespace ov;

namespace {

std::string name(const CPageRef& p) {
    return p ? p->Name() : "none";
}
std::string direction(OvWizardDirectionConstant d) {
    return d == OvWizardDirectionConstant::ovWizardGoForward ? "forward" : "back";
}

} // namespace

void WizardFixture::design(int pages) {
    form = Form::create("frmWizard", Mode::Design);
    form->add("OvComCtl.OvWizardNavigator", "Nav");
    for (int i = 1; i <= pages; ++i)
        form->add("OvComCtl.OvWizardTab", "Page" + std::to_string(i));
    nav = form->control<OvWizardNavigator>("Nav");
}

void WizardFixture::reload(Mode mode) {
    const std::string text = FormFile::write(*form, "wizard.json");
    watching.clear();
    nav.reset();
    form->unload();
    form = FormFile::read(text, "wizard.json", mode);
    if (form->findControl("Nav")) {
        nav = form->control<OvWizardNavigator>("Nav");
        watch();
    }
}

void WizardFixture::runWizard(int pages) {
    design(pages);
    reload(Mode::Run);
    form->show();
}

std::shared_ptr<OvWizardTab> WizardFixture::loadPage(const std::string& pageName, int32_t index, int32_t back,
                                                     int32_t next, int32_t mode) {
    if (!form) form = Form::create("frmWizard", Mode::Run);
    PropertyBag bag;
    bag.put("PageIndex", index);
    bag.put("PageBack", back);
    bag.put("PageNext", next);
    bag.put("PageMode", mode);
    form->addLoaded("OvComCtl.OvWizardTab", pageName, bag, ExtenderValues{});
    return page(pageName);
}

std::string WizardFixture::showing() const {
    std::string out;
    for (const auto& e : form->controls()) {
        if (e->typeName() == "OvWizardTab" && e->Visible()) out += (out.empty() ? "" : " ") + e->Name();
    }
    return out.empty() ? "none" : out;
}

std::string WizardFixture::state(ovEn_Button_Position p) const {
    const CommandButton& b = button(p);
    return b.Caption() + (b.Visible() ? " visible" : " hidden") + (b.Enabled() ? " enabled" : " disabled") +
           " tag " + b.Tag() + (b.Default() ? " default" : "") + (b.Cancel() ? " cancel" : "");
}

void WizardFixture::watch() {
    watching.emplace_back(nav->BeforePageChange.connect(
        [this](OvWizardDirectionConstant d, CPageRef& next, CPageRef current, bool& cancel) {
            log.push_back("Before " + direction(d) + " " + name(next) + " from " + name(current) +
                          (cancel ? " cancel" : "") + " showing " + showing());
        }));
    watching.emplace_back(
        nav->AfterPageChange.connect([this](OvWizardDirectionConstant d, CPageRef now, CPageRef old) {
            log.push_back("After " + direction(d) + " " + name(now) + " from " + name(old) + " showing " +
                          showing());
        }));
    watching.emplace_back(nav->FinishClick.connect([this] { log.push_back("FinishClick"); }));
    watching.emplace_back(nav->CancelClick.connect([this] { log.push_back("CancelClick"); }));
    watching.emplace_back(nav->HelpClick.connect([this] { log.push_back("HelpClick"); }));
    watching.emplace_back(nav->ExitClick.connect([this] { log.push_back("ExitClick"); }));
    watching.emplace_back(nav->OnError.connect([this](int32_t n, std::string d, std::string s) {
        log.push_back("OnError " + std::to_string(n) + " " + d + " " + s);
    }));
}

} // namespace ovtest
