#include "support/WizardFixture.h"

#include "platform/FormFile.h"
#include "platform/PropertyBag.h"

#include <algorithm>

namespace ovtest {

using namespace ov;

namespace {

std::string name(const CPageRef& p) {
    return p ? p->Name() : "none";
}
std::string num(float v) {
    return v == static_cast<float>(static_cast<int64_t>(v)) ? std::to_string(static_cast<int64_t>(v))
                                                            : std::to_string(v);
}
std::string direction(OvWizardDirectionConstant d) {
    return d == OvWizardDirectionConstant::ovWizardGoForward ? "forward" : "back";
}

} // namespace

void WizardFixture::design(int pages) {
    std::vector<std::string> names;
    for (int i = 1; i <= pages; ++i)
        names.push_back("Page" + std::to_string(i));
    design(names);
}

void WizardFixture::design(const std::vector<std::string>& pages) {
    watching.clear();
    if (form) form->unload();
    form = Form::create("frmWizard", Mode::Design);
    form->add("OvComCtl.OvWizardNavigator", "Nav");
    for (const auto& p : pages)
        form->add("OvComCtl.OvWizardTab", p);
    nav = form->control<OvWizardNavigator>("Nav");
}

std::string WizardFixture::text() const {
    return FormFile::write(*form, "wizard.json");
}

void WizardFixture::load(const std::string& file, Mode mode) {
    watching.clear();
    nav.reset();
    if (form) form->unload();
    form = FormFile::read(file, "wizard.json", mode);
    if (form->findControl("Nav")) {
        nav = form->control<OvWizardNavigator>("Nav");
        watch(*nav);
    }
}

std::vector<std::string> WizardFixture::errors() const {
    std::vector<std::string> out;
    for (const auto& l : log)
        if (l.rfind("OnError", 0) == 0) out.push_back(l);
    return out;
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

std::vector<std::string> WizardFixture::states() const {
    std::vector<std::string> out;
    for (auto p : kPositions)
        out.push_back(state(p));
    return out;
}

std::string WizardFixture::roles() const {
    std::string out;
    for (auto p : kPositions) {
        const CommandButton& b = button(p);
        out += b.Default() ? (b.Cancel() ? "B" : "D") : b.Cancel() ? "C" : "-";
        if (!b.Enabled()) out += "x";
    }
    return out;
}

std::vector<float> WizardFixture::lefts() const {
    return {button(Right).Left(), button(RightMiddle).Left(), button(LeftMiddle).Left(), button(Left).Left()};
}

std::string WizardFixture::buttonSizes() const {
    std::vector<std::string> sizes;
    for (auto p : kPositions) {
        const CommandButton& b = button(p);
        sizes.push_back(num(b.Top()) + " " + num(b.Width()) + " " + num(b.Height()));
    }
    if (std::equal(sizes.begin() + 1, sizes.end(), sizes.begin())) return sizes[0];
    return sizes[0] + ", " + sizes[1] + ", " + sizes[2] + ", " + sizes[3];
}

void WizardFixture::watch(OvWizardNavigator& n) {
    watching.emplace_back(n.BeforePageChange.connect(
        [this](OvWizardDirectionConstant d, CPageRef& next, CPageRef current, bool& cancel) {
            log.push_back("Before " + direction(d) + " " + name(next) + " from " + name(current) +
                          (cancel ? " cancel" : "") + " showing " + showing());
        }));
    watching.emplace_back(
        n.AfterPageChange.connect([this](OvWizardDirectionConstant d, CPageRef now, CPageRef old) {
            log.push_back("After " + direction(d) + " " + name(now) + " from " + name(old) + " showing " +
                          showing());
        }));
    watching.emplace_back(n.FinishClick.connect([this] { log.push_back("FinishClick"); }));
    watching.emplace_back(n.CancelClick.connect([this] { log.push_back("CancelClick"); }));
    watching.emplace_back(n.HelpClick.connect([this] { log.push_back("HelpClick"); }));
    watching.emplace_back(n.ExitClick.connect([this] { log.push_back("ExitClick"); }));
    watching.emplace_back(n.OnError.connect([this](int32_t n, std::string d, std::string s) {
        log.push_back("OnError " + std::to_string(n) + " " + d + " " + s);
    }));
}

} // namespace ovtest
