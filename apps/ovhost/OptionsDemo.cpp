#include "OptionsDemo.h"

#include "WizardPictures.h"
#include "options/OvTreeBase.h"
#include "platform/CommandButton.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/TreeView.h"
#include "platform/TypeRegistry.h"

#include <string>
#include <vector>

namespace ovhost {

namespace {

namespace fs = std::filesystem;
using ov::Variant;

struct Item {
    const char* parent; // " " for a top-level folder
    const char* name;
    int16_t page; // 0 for a folder
};

// Three folders, one of them nested, and seven pages; page n is the nth page designed below.
const Item kItems[] = {{" ", "General", 0},
                       {"_GENERAL", "View", 1},
                       {"_GENERAL", "Fonts", 2},
                       {" ", "Editor", 0},
                       {"_EDITOR", "Formatting", 3},
                       {"_EDITOR", "Spelling", 4},
                       {" ", "Advanced", 0},
                       {"_ADVANCED", "Network", 0},
                       {"_ADVANCED\\NETWORK", "Proxy", 5},
                       {"_ADVANCED\\NETWORK", "Connections", 6},
                       {"_ADVANCED", "Security", 7}};

struct PageDesign {
    const char* name;
    const char* caption;
    int32_t headerMode;
    std::vector<const char*> lines;
};

const PageDesign kPages[] = {
    {"pgView", "View", 0, {"Show the status bar", "Show line numbers", "Highlight the current line"}},
    {"pgFonts", "Fonts and Colours", 1, {"Editor font:  DejaVu Sans Mono, 10 pt", "Colour theme:  Classic"}},
    {"pgFormatting",
     "Formatting",
     0,
     {"Tab width:  4", "Insert spaces instead of tabs", "Trim trailing blanks on save"}},
    {"pgSpelling", "", 2, {"Check spelling as you type", "Dictionary:  English (United Kingdom)"}},
    {"pgProxy",
     "Proxy Server",
     0,
     {"Address:  proxy.example.org", "Port:  3128", "Bypass for local addresses"}},
    {"pgConnections", "Connections", 1, {"Retries:  3"}},
    {"pgSecurity", "Security", 0, {"Ask before running macros", "Remember passwords for 14 days"}},
};

// Spin boxes some pages carry under their lines, each with a label before it.
struct SpinDesign {
    const char* page;
    const char* name;
    const char* caption;
    int32_t value;
    int32_t max;
};

const SpinDesign kSpins[] = {{"pgFormatting", "spnIndent", "Indent size:", 4, 16},
                             {"pgConnections", "spnTimeout", "Time-out (seconds):", 30, 600}};

std::string upper(std::string s) {
    for (char& c : s)
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    return s;
}

// The option tree built as a host builds one, by name: COption items in a collection.
ov::ObjectRef optionTree() {
    auto& registry = ov::TypeRegistry::instance();
    auto tree = registry.create("VBA.Collection");
    for (const Item& i : kItems) {
        auto o = registry.create("OvComCtl.COption");
        const std::string parent = i.parent;
        const std::string key = (parent == " " ? "_" : parent + "\\") + upper(i.name);
        o->let("strParentKey", parent);
        o->let("strKey", key);
        o->let("eOptionType", int32_t{i.page > 0 ? 1 : 0});
        o->let("strName", i.name);
        o->let("iTabIndex", i.page);
        tree->call("Add", {Variant(o), Variant(key)});
    }
    return tree;
}

ov::FormRef designOptions() {
    auto form = ov::Form::create("frmOptions", ov::Mode::Design);
    form->setCaption("Options");
    form->setBorderStyle(3); // a fixed dialog
    auto options = form->add("OvComCtl.OvTreeBase", "Options");
    options->Move(0, 0, form->ScaleWidth(), form->ScaleHeight()); // the designer stretches it over the form
    options->let("ShowApply", true);
    options->let("CustomVisible", true);
    options->let("CustomCaption", "&Defaults");
    for (const PageDesign& p : kPages) {
        auto page = form->add("OvComCtl.OvOptionPage", p.name);
        page->let("HeaderMode", p.headerMode);
        page->let("Caption", p.caption);
        float top = static_cast<float>(page->get("ClientTop").toInt32()) + 240;
        int n = 0;
        for (const char* text : p.lines) {
            auto label =
                form->add("OvHost.Label", std::string(p.name).substr(2) + "Line" + std::to_string(++n));
            label->set("Container", Variant(ov::ObjectRef(page)));
            label->Move(static_cast<float>(page->get("ClientLeft").toInt32()) + 240, top,
                        static_cast<float>(page->get("ClientWidth").toInt32()) - 480, 300);
            label->let("AutoSize", true);
            label->let("Caption", text);
            top += 360;
        }
        for (const SpinDesign& s : kSpins) {
            if (std::string(s.page) != p.name) continue;
            const float left = static_cast<float>(page->get("ClientLeft").toInt32()) + 240;
            auto label = form->add("OvHost.Label", std::string(s.name).substr(3) + "Label");
            label->set("Container", Variant(ov::ObjectRef(page)));
            label->Move(left, top + 45, 2040, 255);
            label->let("Caption", s.caption);
            auto spin = form->add("OvComCtl.OvUpDown", s.name);
            spin->set("Container", Variant(ov::ObjectRef(page)));
            spin->Move(left + 2160, top, 1200, 330);
            spin->let("Max", s.max);
            spin->let("Value", s.value);
            top += 480;
        }
        // A boxed note under the settings, as a host shows a description.
        auto note = form->add("OvHost.Label", std::string(p.name).substr(2) + "Note");
        note->set("Container", Variant(ov::ObjectRef(page)));
        note->Move(static_cast<float>(page->get("ClientLeft").toInt32()) + 240, top + 240,
                   static_cast<float>(page->get("ClientWidth").toInt32()) - 480, 900);
        note->let("BorderStyle", int16_t{1});
        note->let("BackColor", int32_t(0x80000005));
        note->let("WordWrap", true);
        note->let("Caption", std::string("Changes on the ") + (p.caption[0] ? p.caption : "Spelling") +
                                 " page take effect when you click OK or Apply.");
    }
    ov::Args args{Variant(optionTree())};
    options->call("AddNodes", args);
    return form;
}

void walkOptions(ov::Form& form, const fs::path& out, std::ostream& log) {
    auto options = form.control("Options");
    auto base = form.control<ov::OvTreeBase>("Options");
    std::vector<ov::ScopedConnection> c;
    c.emplace_back(options->on("BeforePageChange", [&](ov::Args& a) {
        log << "  BeforePageChange(FromPageIndex=" << a[0].toInt32() << ", ToPageIndex=" << a[1].toInt32()
            << ", Cancel=" << a[2].toString() << ")\n";
        if (a[1].toInt32() == 7) {
            a[2] = true;
            log << "    host sets Cancel: the security settings are locked by the administrator\n";
        }
    }));
    c.emplace_back(options->on("AfterPageChange", [&](ov::Args& a) {
        log << "  AfterPageChange(FromPageIndex=" << a[0].toInt32() << ", ToPageIndex=" << a[1].toInt32()
            << ")\n";
    }));
    for (const char* e : {"OKClick", "CancelClick", "HelpClick", "ApplyClick", "CustomClick"})
        c.emplace_back(options->on(e, [&log, e](ov::Args&) { log << "  " << e << "\n"; }));
    auto state = [&] {
        log << "  current: " << options->get("CurrentKey").toString() << "; page index "
            << options->get("CurrentPage", {Variant(int32_t{0})}).toInt32() << "; selected node \""
            << options->get("CurrentPage", {Variant(int32_t{1})}).toString() << "\"; shown:";
        for (const auto& e : form.controls()) {
            if (e->typeName() == "OvOptionPage" && e->Visible()) log << " " << e->Name();
        }
        log << "\n";
    };
    auto click = [&](const std::string& key, const char* picture) {
        ov::TreeView& tree = base->tvOptions();
        ov::Node* node = tree.nodes().find(key);
        node->EnsureVisible();
        float y = 0;
        for (ov::Node* r : tree.visibleRows()) {
            if (r == node) break;
            y += tree.rowHeight();
        }
        log << "click node \"" << node->Text() << "\" (" << key << ")\n";
        form.click(tree, tree.labelLeft(*node) + 60, y + tree.rowHeight() / 2 + 30);
        state();
        if (picture) renderWizardPage(form, out, picture, log);
    };
    form.show();
    log << "form shown\n";
    state();
    renderWizardPage(form, out, "options-1-view.png", log);
    click("_GENERAL\\FONTS", "options-2-fonts-outlook-header.png");
    click("_ADVANCED\\SECURITY", nullptr); // refused by the host
    click("_ADVANCED\\NETWORK\\PROXY", "options-3-nested-proxy.png");
    click("_EDITOR\\FORMATTING", "options-4-formatting-spin-box.png");
    click("_EDITOR\\SPELLING", "options-5-no-header.png");
    click("_GENERAL", "options-6-folder-shows-remembered-page.png");
    click("_ADVANCED", nullptr); // Proxy again, remembered two levels down
    for (auto [b, name] : {std::pair{ov::en_Buttons::btnApply, "Apply"},
                           {ov::en_Buttons::btnCustom, "&Defaults"},
                           {ov::en_Buttons::btnOK, "OK"}}) {
        log << "click \"" << name << "\"\n";
        form.click(base->button(b));
    }
}

} // namespace

void runOptionsDemo(const fs::path& examples, const fs::path& out, const fs::path& writeExample,
                    std::ostream& log) {
    log << "== designing the options dialog\n";
    auto design = designOptions();
    const fs::path saved = out / "designed-options.json";
    ov::FormFile::save(*design, saved.string());
    log << "saved " << saved.string() << "\n";
    if (!writeExample.empty()) ov::FormFile::save(*design, writeExample.string());
    design->unload();
    fs::path formFile = examples / "options-dialog.json";
    if (!fs::exists(formFile)) formFile = saved;
    log << "== running " << formFile.string() << "\n";
    auto run = ov::FormFile::load(formFile.string(), ov::Mode::Run);
    walkOptions(*run, out, log);
    run->unload();
}

} // namespace ovhost
