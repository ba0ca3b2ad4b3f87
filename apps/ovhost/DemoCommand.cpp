#include "Commands.h"
#include "ControlsDemo.h"
#include "InfoPanelDemo.h"
#include "OptionsDemo.h"
#include "OptionsTreeDemo.h"
#include "ProgressDemo.h"
#include "WizardPagesDemo.h"
#include "WizardPictures.h"
#include "platform/CommandButton.h"
#include "platform/FileAccess.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/Picture.h"
#include "platform/Runtime.h"
#include "render/Renderer.h"
#include "wizard/CPages.h"
#include "wizard/OvWizardNavigator.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace ovhost {

namespace {

namespace fs = std::filesystem;
using ov::Variant;

struct DemoOptions {
    fs::path out = "out/demo";
    fs::path form; // a saved wizard to run instead of the one the demo designs
    fs::path examples = "examples";
    fs::path writeExample;        // where to save the designed wizard as a sample form file
    fs::path writeOptionsExample; // the same for the designed options dialog
};

std::string pageName(const Variant& v) {
    auto o = v.toObject();
    return o ? o->get("Name").toString() : "Nothing";
}

std::string direction(const Variant& v) {
    return v.toInt32() == 0 ? "0 (ovWizardGoForward)" : "1 (ovWizardGoBack)";
}

const char* const kLicenseText =
    "OvComCtl License\r\n\r\nPermission is granted to use, copy, modify and distribute this software for "
    "any purpose, provided that this notice is kept in every copy.\r\n\r\nThe software is provided \"as "
    "is\", without warranty of any kind. In no event shall the authors be liable for any claim, damages or "
    "other liability arising from its use.";
const char* const kComponentsText =
    "Wizard controls: the navigator and its pages.\r\nRenderer: draws forms to pictures with cairo and "
    "pango.\r\nHost tool: ovhost, to run, render and describe forms.";

// A word-wrapped label inside a page's client area (ClientLeft, ClientTop and ClientWidth of the page),
// `top` twips below its top, as tall as its text unless `boxed` (then it fills the client height, on a
// white ground with a border, as a licence text is shown).
void placeLabel(const ov::FormRef& form, const char* page, const char* name, const char* text, bool boxed,
                float top = 0) {
    auto p = form->control(page);
    auto label = form->add("OvHost.Label", name);
    label->set("Container", Variant(ov::ObjectRef(p)));
    const float width = static_cast<float>(p->get("ClientWidth").toInt32());
    label->Move(static_cast<float>(p->get("ClientLeft").toInt32()),
                static_cast<float>(p->get("ClientTop").toInt32()) + top, width,
                boxed ? static_cast<float>(p->get("ClientHeight").toInt32()) : 300.0f);
    label->let("WordWrap", true);
    if (boxed) {
        label->let("BackColor", int32_t(0x80000005)); // window background
        label->let("BorderStyle", int16_t{1});
    } else {
        label->let("AutoSize", true);
    }
    label->let("Caption", text);
}

// Designs the sample setup wizard through the form, as a designer would: a navigator, then four pages
// that number themselves, their texts, and the header pictures.
ov::FormRef designWizard(const DemoOptions& o, std::ostream& log) {
    auto form = ov::Form::create("frmSetup", ov::Mode::Design);
    form->setCaption("OvComCtl Setup");
    auto nav = form->add("OvComCtl.OvWizardNavigator", "Nav");
    const char* const names[] = {"Welcome", "License", "Options", "Finish"};
    for (const char* name : names)
        form->add("OvComCtl.OvWizardTab", name);
    nav->set("ImageBanner", Variant(std::const_pointer_cast<ov::Picture>(
                                ov::Picture::load((o.examples / "banner.png").string()))));
    nav->set("ImageWaterMark", Variant(std::const_pointer_cast<ov::Picture>(
                                   ov::Picture::load((o.examples / "watermark.png").string()))));
    auto welcome = form->control("Welcome");
    welcome->let("WatermarkTitle", "Welcome to the OvComCtl Setup Wizard");
    welcome->let(
        "WatermarkDescription",
        "This wizard installs the OvComCtl controls on your computer.\r\n\r\nIt is recommended that you "
        "close all other applications before continuing.");
    welcome->let("WatermarkRule", "To continue, click Next.");
    auto license = form->control("License");
    license->let("BannerTitle", "License Agreement");
    license->let("BannerDescription", "Please read the following license agreement carefully.");
    auto options = form->control("Options");
    options->let("BannerTitle", "Choose Components");
    options->let("BannerDescription", "Choose which features of OvComCtl you want to install.");
    // The interior pages' own content: host labels placed in each page's client area.
    placeLabel(form, "License", "lblLicense", kLicenseText, true);
    placeLabel(form, "Options", "lblComponents", kComponentsText, false);
    placeLabel(form, "Options", "lblFolder", "Install folder:  /usr/local/lib/ovcomctl", false, 2400);
    auto finish = form->control("Finish");
    finish->let("WatermarkTitle", "Completing the OvComCtl Setup Wizard");
    finish->let("WatermarkDescription", "OvComCtl has been installed on your computer.");
    finish->let("WatermarkRule", "Click Finish to close this wizard.");
    for (const char* name : names) {
        auto p = form->control(name);
        log << "designed " << name << ": PageIndex " << p->get("PageIndex").toInt32() << ", PageMode "
            << p->get("PageMode").toInt32() << ", PageBack " << p->get("PageBack").toInt32() << ", PageNext "
            << p->get("PageNext").toInt32() << "\n";
    }
    return form;
}

void walkWizard(ov::Form& form, const fs::path& out, std::ostream& log) {
    auto nav = form.control<ov::OvWizardNavigator>("Nav");
    std::vector<ov::ScopedConnection> c;
    int refusals = 1;    // the host refuses the first move from the licence page
    bool express = true; // ... and then skips the options page
    c.emplace_back(nav->on("BeforePageChange", [&](ov::Args& a) {
        log << "  BeforePageChange(WizardDirection=" << direction(a[0]) << ", NewPage=" << pageName(a[1])
            << ", CurrentPage=" << pageName(a[2]) << ", Cancel=" << a[3].toString() << ")\n";
        if (pageName(a[2]) == "License" && a[0].toInt32() == 0) {
            if (refusals-- > 0) {
                a[3] = true;
                log << "    host sets Cancel: the licence is not accepted yet\n";
            } else if (express) {
                express = false;
                a[1] = Variant(nav->WizardPages()->Item(Variant("Finish")));
                log << "    host replaces NewPage by Finish: express setup\n";
            }
        }
    }));
    c.emplace_back(nav->on("AfterPageChange", [&](ov::Args& a) {
        log << "  AfterPageChange(WizardDirection=" << direction(a[0]) << ", CurrentPage=" << pageName(a[1])
            << ", OldPage=" << pageName(a[2]) << ")\n";
    }));
    for (const char* e : {"FinishClick", "CancelClick", "HelpClick", "ExitClick"})
        c.emplace_back(nav->on(e, [&log, e](ov::Args&) { log << "  " << e << "\n"; }));
    c.emplace_back(nav->on("OnError", [&](ov::Args& a) {
        log << "  OnError(Error=" << a[0].toInt32() << ", Description=" << a[1].toString()
            << ", Source=" << a[2].toString() << ")\n";
    }));

    auto showState = [&] {
        auto current = nav->CurrentPage();
        log << "  shown: " << (current ? current->Name() : "no page") << "; buttons:";
        for (int32_t p = 1; p <= 4; ++p) {
            auto& b = nav->button(static_cast<ov::ovEn_Button_Position>(p));
            if (b.Visible())
                log << " [" << b.Caption() << (b.Enabled() ? "" : " (disabled)")
                    << (b.Default() ? " default" : "") << "]";
        }
        log << "\n";
    };
    auto click = [&](ov::ovEn_Button_Position p) {
        auto& b = nav->button(p);
        log << "click \"" << b.Caption() << "\"\n";
        form.click(b);
        showState();
    };
    form.show();
    log << "form shown\n";
    showState();
    renderWizardPage(form, out, "1-welcome.png", log);
    click(ov::ovEn_Button_Position::ovBPRightMiddle); // Welcome -> License
    renderWizardPage(form, out, "2-interior-velmar.png", log);
    log << "BannerHeaderStyle = ovOSWindows2k\n";
    nav->setBannerHeaderStyle(ov::ovBannerStyleEnum::ovOSWindows2k);
    renderWizardPage(form, out, "3-interior-windows2k.png", log);
    nav->setBannerHeaderStyle(ov::ovBannerStyleEnum::ovVelmar);
    click(ov::ovEn_Button_Position::ovBPRightMiddle); // refused
    click(ov::ovEn_Button_Position::ovBPRightMiddle); // License -> Finish (express)
    renderWizardPage(form, out, "4-completion.png", log);
    click(ov::ovEn_Button_Position::ovBPLeftMiddle);  // Finish -> Options (its PageBack)
    click(ov::ovEn_Button_Position::ovBPLeftMiddle);  // Options -> License
    click(ov::ovEn_Button_Position::ovBPRightMiddle); // License -> Options
    log << "press Enter\n";                           // the focused Next button
    form.pressKey(13);
    showState();
    click(ov::ovEn_Button_Position::ovBPRightMiddle); // "&Finish"
    log << "press Escape\n";                          // the cancel button
    form.pressKey(27);
}

} // namespace

int demoCommand(const Arguments& args) {
    DemoOptions o;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--out" && hasValue)
            o.out = args[++i];
        else if (a == "--form" && hasValue)
            o.form = args[++i];
        else if (a == "--examples" && hasValue)
            o.examples = args[++i];
        else if (a == "--write-example" && hasValue)
            o.writeExample = args[++i];
        else if (a == "--write-options-example" && hasValue)
            o.writeOptionsExample = args[++i];
        else {
            std::cerr
                << "ovhost demo: unknown option '" << a << "'\n"
                << "usage: ovhost demo [--out DIR] [--form FILE] [--examples DIR] [--write-example FILE]\n";
            return 2;
        }
    }
    prepareOutputFolder(o.out);
    std::ostringstream log;
    ov::Runtime runtime;
    ov::Renderer renderer; // text is measured with the fonts it is drawn in
    runtime.application().path = fs::absolute(o.out).string();
    runtime.application().title = "OvComCtl Demo";

    fs::path formFile = o.form;
    {
        log << "== designing the setup wizard\n";
        auto design = designWizard(o, log);
        const fs::path saved = o.out / "designed-wizard.json";
        ov::FormFile::save(*design, saved.string());
        log << "saved " << saved.string() << "\n";
        if (!o.writeExample.empty()) ov::FormFile::save(*design, o.writeExample.string());
        design->unload();
        if (formFile.empty()) formFile = saved;
    }
    log << "== running " << formFile.string() << "\n";
    auto run = ov::FormFile::load(formFile.string(), ov::Mode::Run);
    walkWizard(*run, o.out, log);
    run->unload();
    progressDemo(o.out, log);
    runOptionsDemo(o.examples, o.out, o.writeOptionsExample, log);
    optionsTreeDemo(o.examples, o.out, log);
    controlsDemo(o.out, log);
    infoPanelDemo(o.out, log);
    wizardPagesDemo(o.examples, o.out, log);

    std::cout << log.str();
    ov::FileAccess::replaceAtomically((o.out / "demo-log.txt").string(), log.str());
    return 0;
}

} // namespace ovhost
