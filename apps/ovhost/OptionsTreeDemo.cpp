#include "OptionsTreeDemo.h"

#include "options/OptionCollection.h"
#include "options/OvTreeBase.h"
#include "options/frmAddOptItem.h"
#include "options/ppOptionsTree.h"
#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/PropertyDialog.h"
#include "platform/TextBox.h"
#include "platform/TreeView.h"
#include "render/Renderer.h"

#include <algorithm>
#include <string>

namespace ovhost {

namespace {

namespace fs = std::filesystem;
using ov::Variant;

// Where a user clicks on the row of `node` (twips inside the tree); the node is made visible first.
std::pair<float, float> rowPoint(ov::TreeView& tree, ov::Node& node) {
    node.EnsureVisible();
    const auto rows = tree.visibleRows();
    const auto at = std::find(rows.begin(), rows.end(), &node) - rows.begin();
    return {tree.labelLeft(node) + 60, (static_cast<float>(at - tree.TopRow()) + 0.5f) * tree.rowHeight()};
}

void clickNode(ov::Form& form, ov::TreeView& tree, const std::string& key) {
    auto [x, y] = rowPoint(tree, *tree.nodes().find(key));
    form.click(tree, x, y);
}

// The option tree as the collection holds it, one line per item, indented by depth.
void printTree(ov::Extender& options, std::ostream& log) {
    auto items = std::dynamic_pointer_cast<ov::OptionCollection>(options.get("mcolOptions").toObject());
    for (const ov::COptionRef& o : *items) {
        const auto depth = std::count(o->strKey.begin(), o->strKey.end(), '\\');
        log << "    " << std::string(static_cast<size_t>(depth) * 2, ' ') << o->strName;
        if (o->isPage())
            log << " (page " << o->iTabIndex << ")";
        else
            log << " [remembers \"" << o->strSelectedProperty << "\"]";
        log << "   " << o->strKey << "\n";
    }
}

// Adds an item through the add dialog, answered as a designer would: type, name, page index, OK.
// With `picture`, the filled dialog is rendered there before OK.
void addThroughDialog(ov::PropertyDialog& dialog, int16_t type, const std::string& name,
                      const std::string& index, const fs::path& picture, std::ostream& log) {
    auto previous = ov::Form::setModalHook([&](ov::Form& f) {
        auto& add = dynamic_cast<ov::frmAddOptItem&>(f);
        log << "  dialog \"" << add.Caption() << "\": " << add.cmbItemType().List(type) << " \"" << name
            << "\"";
        if (add.cmbItemType().Enabled()) add.cmbItemType().setListIndex(type);
        add.click(add.txtItemName());
        add.typeText(name);
        if (type == 1) {
            add.click(add.txtPageIndex());
            add.typeText(index);
            log << ", page index " << index;
        }
        log << ", OK\n";
        if (!picture.empty()) {
            ov::renderFormToPng(add, picture.string());
            log << "  wrote " << picture.string() << "\n";
        }
        add.click(add.OKButton());
    });
    dialog.click("cmdAddItem");
    ov::Form::setModalHook(previous);
}

} // namespace

void optionsTreeDemo(const fs::path& examples, const fs::path& out, std::ostream& log) {
    const fs::path source = examples / "options-dialog.json";
    if (!fs::exists(source)) {
        log << "== option-tree editor: " << source.string() << " is missing, skipped\n";
        return;
    }
    log << "== editing the option tree of " << source.string() << " in its property page\n";
    auto design = ov::FormFile::load(source.string(), ov::Mode::Design);
    auto options = design->control("Options");
    // The new page of the new folder: an option page takes the smallest free index.
    auto page = design->add("OvComCtl.OvOptionPage", "pgPlugins");
    page->let("Caption", "Installed Plug-ins");
    const std::string index = page->get("PageIndex").toString();
    auto line = design->add("OvHost.Label", "PluginsLine1");
    line->set("Container", Variant(ov::ObjectRef(page)));
    line->Move(static_cast<float>(page->get("ClientLeft").toInt32()) + 240,
               static_cast<float>(page->get("ClientTop").toInt32()) + 240, 3600, 300);
    line->let("Caption", "Spell checker 2.1, Markdown preview 0.9");

    ov::PropertyDialog dialog;
    dialog.open({options});
    auto& editor = dynamic_cast<ov::ppOptionsTree&>(dialog.page("ppOptionsTree"));
    ov::Form& surface = *dialog.form();
    ov::TreeView& tree = editor.tvOptions();
    log << "  page \"" << editor.Caption() << "\" on " << options->Name() << ", the tree as loaded:\n";
    printTree(*options, log);

    log << "  click below the last node: the next folder goes to the top level\n";
    surface.click(tree, 300, tree.Height() - 200);
    addThroughDialog(dialog, 0, "Plug-ins", "", {}, log);
    addThroughDialog(dialog, 1, "Installed", index, out / "options-tree-add-item.png", log);
    log << "  rename \"Security\" to \"Privacy\" (label edit)\n";
    clickNode(surface, tree, "_ADVANCED\\SECURITY");
    tree.StartLabelEdit();
    tree.EndLabelEdit("Privacy");
    log << "  move \"Fonts\" up\n";
    clickNode(surface, tree, "_GENERAL\\FONTS");
    dialog.click("cmdUp");
    ov::renderFormToPng(surface, (out / "options-tree-editor.png").string());
    log << "  wrote " << (out / "options-tree-editor.png").string() << "\n";
    log << "  apply (AddNodes); changed: " << (dialog.anyChanged() ? "yes" : "no") << "\n";
    dialog.ok();

    const fs::path saved = out / "edited-options.json";
    ov::FormFile::save(*design, saved.string());
    design->unload();
    log << "saved " << saved.string() << "\n";

    auto run = ov::FormFile::load(saved.string(), ov::Mode::Run);
    run->show();
    auto runOptions = run->control("Options");
    log << "loaded back at run time, the tree:\n";
    printTree(*runOptions, log);
    ov::TreeView& runTree = run->control<ov::OvTreeBase>("Options")->tvOptions();
    clickNode(*run, runTree, "_PLUG-INS\\INSTALLED");
    log << "  click \"Installed\": page index "
        << runOptions->get("CurrentPage", {Variant(int32_t{0})}).toInt32() << ", shown:";
    for (const auto& e : run->controls()) {
        if (e->typeName() == "OvOptionPage" && e->Visible()) log << " " << e->Name();
    }
    log << "\n";
    ov::renderFormToPng(*run, (out / "options-tree-edited-run.png").string());
    log << "  wrote " << (out / "options-tree-edited-run.png").string() << "\n";
    run->unload();
}

} // namespace ovhost
