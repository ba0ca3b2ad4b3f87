#include "WizardPagesDemo.h"

#include "WizardPictures.h"
#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/Extender.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/PropertyDialog.h"
#include "platform/PropertyPage.h"
#include "render/Renderer.h"
#include "wizard/CPages.h"
#include "wizard/OvWizardNavigator.h"
#include "wizard/OvWizardTab.h"

namespace ovhost {

namespace {

namespace fs = std::filesystem;

// The page of the form with the highest PageIndex.
ov::ExtenderRef lastPage(const ov::Form& form) {
    ov::ExtenderRef last;
    for (const auto& e : form.controls())
        if (e->typeName() == "OvWizardTab" &&
            (!last || e->get("PageIndex").toInt32() > last->get("PageIndex").toInt32()))
            last = e;
    return last;
}

void logSet(ov::OvWizardTab& page, std::ostream& log) {
    log << "  " << page.DisplayName() << ": UseDefaultButtonSet "
        << (page.UseDefaultButtonSet() ? "True" : "False") << ", DefaultButton " << page.DefaultButton()
        << ", CancelButton " << page.CancelButton() << "\n";
    for (auto p : ov::kButtonPositions) {
        const ov::PageButtons b = page.buttonView(p);
        log << "    position " << static_cast<int>(p) << ": \"" << b.Caption << "\" rule "
            << static_cast<int>(b.Rule) << (b.Visible ? "" : " hidden") << (b.Enabled ? "" : " disabled")
            << "\n";
    }
}

void logRules(const ov::PropertyDialog& dialog, std::ostream& log) {
    log << "    rule lists:";
    for (const char* p : {"LB", "LMB", "RMB", "RB"})
        log << " " << dialog.currentPage().child<ov::ComboBox>(std::string("cbo") + p + "Rule").Text();
    log << "\n";
}

} // namespace

void wizardPagesDemo(const fs::path& examples, const fs::path& out, std::ostream& log) {
    log << "== editing the sample wizard's last page in its property pages\n";
    const fs::path edited = out / "edited-wizard.json";
    {
        auto form = ov::FormFile::load((examples / "setup-wizard.json").string(), ov::Mode::Design);
        auto last = lastPage(*form);
        ov::PropertyDialog dialog;
        dialog.open({last});
        log << "property pages of " << last->Name() << ":";
        for (size_t i = 0; i < dialog.pageCount(); ++i)
            log << " \"" << dialog.page(i).Caption() << "\"";
        log << "\n";
        dialog.showPage(2);
        log << "  \"" << dialog.currentPage().Caption() << "\" loaded\n";
        logRules(dialog, log);
        log << "  untick \"&Use default button set\": the page brings its own set\n";
        dialog.click("chkUseDefaultButtonSet");
        log << "  choose \"Finish\" for the right-middle button\n";
        dialog.choose("cboRMBRule", 6);
        dialog.typeInto("txtRMBCaption", "Finish");
        log << "  choose \"Help\" for the right button: the left list, which showed Help, shows None\n";
        dialog.choose("cboRBRule", 4);
        dialog.typeInto("txtRBCaption", "Help");
        logRules(dialog, log);
        log << "  untick the right button's \"Cancel\": no cancel box is ticked\n";
        dialog.click("chkRBCancel");
        renderWizardPage(*dialog.form(), out, "wizard-pages-buttonsset.png", log);
        log << "  OK\n";
        dialog.ok();
        logSet(*last->controlAs<ov::OvWizardTab>(), log);
        ov::FormFile::save(*form, edited.string());
        log << "saved " << edited.string() << "\n";
        form->unload();
    }
    log << "== loading " << edited.string() << " back and running it to its last page\n";
    auto run = ov::FormFile::load(edited.string(), ov::Mode::Run);
    auto last = lastPage(*run);
    logSet(*last->controlAs<ov::OvWizardTab>(), log);
    run->show();
    auto nav = run->control<ov::OvWizardNavigator>("Nav");
    ov::CPageRef target = nav->WizardPages()->Item(ov::Variant(last->Name()));
    nav->GoToNewPage(target);
    log << "  shown: " << nav->CurrentPage()->Name() << "; buttons:";
    for (auto p : ov::kButtonPositions) {
        const auto& b = nav->button(p);
        if (b.Visible())
            log << " [" << b.Caption() << (b.Enabled() ? "" : " (disabled)")
                << (b.Default() ? " default" : "") << "]";
    }
    log << "\n";
    renderWizardPage(*run, out, "wizard-pages-edited-last-page.png", log);
    run->unload();
}

} // namespace ovhost
