// The option-tree editor as a designer uses it: the property dialog opened on a designed OvTreeBase
// with its option pages, the add dialog answered through the modal hook, the tree clicked and edited.
#include "options/ppOptionsTree.h"

#include "OptionsFixture.h"
#include "options/frmAddOptItem.h"
#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/FormFile.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/PropertyDialog.h"
#include "platform/TextBox.h"
#include "support/ShownBoxes.h"

#include <algorithm>
#include <functional>
#include <tuple>

using namespace ov;

namespace {

class PpOptionsTreeTest : public ovtest::OptionsFixture {
protected:
    PropertyDialog dialog;
    ppOptionsTree* page = nullptr;

    void openEditor(const char* tree = kTree) {
        build(Mode::Design, tree);
        dialog.open({options});
        page = &dynamic_cast<ppOptionsTree&>(dialog.page("ppOptionsTree"));
    }
    Form& surface() { return *dialog.form(); }
    TreeView& editorTree() { return page->tvOptions(); }
    OptionCollection& items() { return *base->mcolOptions(); }
    // A user's click on the row of the node with that key.
    void clickRow(const std::string& key) {
        Node& n = *editorTree().nodes().find(key);
        n.EnsureVisible();
        auto rows = editorTree().visibleRows();
        const auto row = std::find(rows.begin(), rows.end(), &n) - rows.begin();
        surface().click(editorTree(), editorTree().labelLeft(n) + 30,
                        (static_cast<float>(row) + 0.5f) * editorTree().rowHeight());
    }
    void clickOutside() { surface().click(editorTree(), 300, editorTree().Height() - 150); }
    // Opens the add dialog and plays `user` in it; the dialog is cancelled if still open afterwards.
    // Returns whether it was still open.
    bool addWith(const std::function<void(frmAddOptItem&)>& user) {
        bool open = false;
        auto previous = Form::setModalHook([&](Form& f) {
            auto& d = dynamic_cast<frmAddOptItem&>(f);
            user(d);
            open = d.isLoaded() && d.Visible();
            if (open) d.click(d.CancelButton());
        });
        dialog.click("cmdAddItem");
        Form::setModalHook(previous);
        return open;
    }
    static void fill(frmAddOptItem& d, int16_t type, const std::string& name, const std::string& index) {
        if (type != 0) d.cmbItemType().setListIndex(type);
        d.click(d.txtItemName());
        if (name.find('\\') == std::string::npos)
            d.typeText(name);
        else
            d.txtItemName().setSelText(name); // pasted: the headless keyboard has no backslash key
        if (d.txtPageIndex().Visible()) {
            d.click(d.txtPageIndex());
            d.typeText(index);
        }
        d.click(d.OKButton());
    }
    void add(int16_t type, const std::string& name, const std::string& index = "") {
        EXPECT_FALSE(addWith([&](frmAddOptItem& d) { fill(d, type, name, index); })) << name;
    }
    // The collection in order: "key<parent>" for pages, "key<parent>=remembered" for folders.
    std::string layout() {
        std::string s;
        for (const COptionRef& o : items()) {
            s += (s.empty() ? "" : " ") + o->strKey + "<" + o->strParentKey + ">";
            if (!o->isPage()) s += "=" + o->strSelectedProperty;
        }
        return s;
    }
    std::string lastBox() { return boxes().empty() ? "" : boxes().back().prompt; }
};

TEST_F(PpOptionsTreeTest, AddsFoldersAndPagesWithTheirKeysAndAppliesThroughAddNodes) {
    openEditor(nullptr);
    EXPECT_EQ(page->get("Caption").toString(), "Options tree");
    for (CommandButton* b : {&page->cmdRemove(), &page->cmdUp(), &page->cmdDown()})
        EXPECT_FALSE(b->Enabled()) << b->Name();
    EXPECT_FALSE(addWith([&](frmAddOptItem& d) {
        // The first item is a folder.
        EXPECT_EQ(std::tuple(d.Caption(), d.cmbItemType().Text(), d.cmbItemType().Enabled(),
                             d.txtPageIndex().Visible()),
                  std::tuple("Add option tree item", "Container", false, false));
        fill(d, 0, "  General ", "");
    }));
    add(1, "View", "3");
    EXPECT_EQ(layout(), "_GENERAL< >=_GENERAL\\VIEW _GENERAL\\VIEW<_GENERAL>");
    EXPECT_EQ(items().at("_GENERAL\\VIEW").iTabIndex, 3);
    Node& view = *editorTree().selected();
    EXPECT_EQ(std::tuple(view.Key(), view.SelectedImage(), view.Parent()->Image()),
              std::tuple("_GENERAL\\VIEW", "ARROW", "OPENEDFOLDER"));
    // Nothing goes under a page.
    EXPECT_EQ(std::tuple(page->fActions().Caption(), page->txtPageIndex().Text(),
                         page->txtPageIndex().Visible(), page->cmdAddItem().Enabled()),
              std::tuple("Property Page", "3", true, false));

    clickRow("_GENERAL");
    add(0, "Display");
    EXPECT_EQ(items().at("_GENERAL\\DISPLAY").strParentKey, "_GENERAL");
    clickOutside();
    runtime.headlessMessageBox().clear();
    add(0, "general"); // "_GENERAL" again
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(std::tuple(lastBox(), boxes().back().style, items().Count()),
              std::tuple("The Item with name 'general' is not unique in collection", mb::Exclamation, 3));

    EXPECT_TRUE(page->Changed());
    form->control("Options")->clearChangedKeys();
    EXPECT_TRUE(dialog.apply());
    EXPECT_EQ(base->tvOptions().nodes().Count(), 3);
    EXPECT_EQ(options->changedKeys(), std::vector<std::string>{"TreeContainment"});
    EXPECT_EQ(shownPages(), " [pgProxy]"); // index 3 is the third page
}

TEST_F(PpOptionsTreeTest, TheAddDialogRefusesBadNamesAndIndexesAndAddsNothingUnlessConfirmed) {
    openEditor();
    clickRow("_GENERAL");
    struct Case {
        int16_t type;
        const char* name;
        const char* index;
        const char* message;
        const char* focused;
    };
    const Case cases[] = {
        {0, "", "", "You must input container name", "txtItemName"},
        {0, "   ", "", "You must input container name", "txtItemName"},
        {0, "A\\B", "", "You must input container name", "txtItemName"},
        {1, " ", "1", "You must input property page name", "txtItemName"},
        {1, "Page", "0", "You must input option page index", "txtPageIndex"},
        {1, "Page", "-3", "You must input option page index", "txtPageIndex"},
        {1, "Page", "x", "You must input option page index", "txtPageIndex"},
        {1, "Page", "32768", "You must input option page index", "txtPageIndex"},
        {1, "Page", " ", "You must input option page index", "txtPageIndex"},
    };
    const std::string before = layout();
    for (const Case& c : cases) {
        runtime.headlessMessageBox().clear();
        EXPECT_TRUE(addWith([&](frmAddOptItem& d) {
            fill(d, c.type, c.name, c.index);
            EXPECT_EQ(d.focusedChild()->Name(), c.focused) << c.name << c.index;
        })) << c.name
            << c.index;
        ASSERT_EQ(boxes().size(), 1u) << c.name << c.index;
        EXPECT_EQ(std::tuple(lastBox(), boxes().back().style), std::tuple(c.message, mb::OkOnly));
    }
    // Cancelled, or closed without a button: nothing is added.
    const std::function<void(frmAddOptItem&)> closes[] = {[](frmAddOptItem& d) { d.click(d.CancelButton()); },
                                                          [](frmAddOptItem& d) { d.pressKey(27); },
                                                          [](frmAddOptItem& d) { d.unload(); }};
    for (const auto& close : closes) {
        EXPECT_FALSE(addWith([&](frmAddOptItem& d) {
            d.click(d.txtItemName());
            d.typeText("Kept out");
            close(d);
        }));
    }
    EXPECT_EQ(layout(), before);
}

TEST_F(PpOptionsTreeTest, RemovalTakesTheSubtreeAndRepairsRememberedPages) {
    build(Mode::Design);
    items().at("_ADVANCED").strSelectedProperty = "_ADVANCED\\NETWORK\\PROXY";
    items().at("_ADVANCED\\NETWORK").strSelectedProperty = "_ADVANCED\\NETWORK\\PROXY";
    dialog.open({options});
    page = &dynamic_cast<ppOptionsTree&>(dialog.page("ppOptionsTree"));
    EXPECT_EQ(items().at("_GENERAL").strSelectedProperty, "_GENERAL\\VIEW");

    clickRow("_GENERAL\\VIEW");
    dialog.click("cmdRemove");
    EXPECT_EQ(items().at("_GENERAL").strSelectedProperty, "_GENERAL\\FONTS");
    clickRow("_GENERAL\\FONTS");
    dialog.click("cmdRemove");
    EXPECT_EQ(items().at("_GENERAL").strSelectedProperty, " ");
    clickRow("_ADVANCED\\NETWORK");
    dialog.click("cmdRemove");
    EXPECT_EQ(layout(), "_GENERAL< >=  _ADVANCED< >=_ADVANCED\\SECURITY _ADVANCED\\SECURITY<_ADVANCED>");
    EXPECT_EQ(std::pair(editorTree().nodes().Count(), page->Changed()), std::pair(3, true));

    for (const char* key : {"_ADVANCED", "_GENERAL"}) {
        clickRow(key);
        EXPECT_TRUE(page->cmdRemove().Enabled()) << key;
        dialog.click("cmdRemove");
    }
    EXPECT_EQ(items().Count(), 0);
    for (CommandButton* b : {&page->cmdRemove(), &page->cmdUp(), &page->cmdDown()})
        EXPECT_FALSE(b->Enabled()) << b->Name();
    add(0, "Fresh"); // an emptied tree takes a first folder again
    EXPECT_EQ(layout(), "_FRESH< >= ");
}

TEST_F(PpOptionsTreeTest, AClickOnAFolderOpensOrClosesIt) {
    openEditor();
    for (const char* image : {"OPENEDFOLDER", "CLOSEDFOLDER", "OPENEDFOLDER"}) {
        clickRow("_ADVANCED");
        Node& advanced = *editorTree().nodes().find("_ADVANCED");
        EXPECT_EQ(advanced.Expanded(), image[0] == 'O');
        EXPECT_EQ(advanced.Image() + " " + advanced.SelectedImage(), std::string(image) + " " + image);
        EXPECT_EQ(page->fActions().Caption(), "Container");
        EXPECT_FALSE(page->txtPageIndex().Visible());
    }
}

TEST_F(PpOptionsTreeTest, UpAndDownMoveAmongSiblingsOnly) {
    openEditor();
    clickRow("_GENERAL\\FONTS");
    EXPECT_EQ(std::pair(page->cmdUp().Enabled(), page->cmdDown().Enabled()), std::pair(true, false));
    dialog.click("cmdUp");
    EXPECT_EQ(editorTree().selected()->Key(), "_GENERAL\\FONTS");
    EXPECT_EQ(std::pair(page->cmdUp().Enabled(), page->cmdDown().Enabled()), std::pair(false, true));
    clickRow("_ADVANCED");
    dialog.click("cmdUp");
    std::string rows;
    for (Node* n = editorTree().nodes().firstRoot(); n; n = n->Next().get())
        rows += n->Text() + " ";
    EXPECT_EQ(rows, "Advanced General ");
    EXPECT_EQ(layout(), "_ADVANCED< >= _GENERAL< >=_GENERAL\\VIEW _GENERAL\\FONTS<_GENERAL> "
                        "_GENERAL\\VIEW<_GENERAL> _ADVANCED\\NETWORK<_ADVANCED>= "
                        "_ADVANCED\\NETWORK\\PROXY<_ADVANCED\\NETWORK> _ADVANCED\\SECURITY<_ADVANCED>");
}

TEST_F(PpOptionsTreeTest, ARenameKeysTheItemsBelowAgainAndRefusesSlashesAndDuplicates) {
    openEditor();
    items().at("_ADVANCED").strSelectedProperty = "_ADVANCED\\NETWORK\\PROXY";
    auto rename = [&](const std::string& key, const std::string& text) {
        clickRow(key);
        editorTree().StartLabelEdit();
        editorTree().EndLabelEdit(text);
    };
    rename("_ADVANCED", "Expert");
    EXPECT_EQ(layout(), "_GENERAL< >=_GENERAL\\VIEW _GENERAL\\VIEW<_GENERAL> _GENERAL\\FONTS<_GENERAL> "
                        "_Expert< >=_Expert\\NETWORK\\PROXY _Expert\\NETWORK<_Expert>= "
                        "_Expert\\NETWORK\\PROXY<_Expert\\NETWORK> _Expert\\SECURITY<_Expert>");
    EXPECT_EQ(editorTree().selected()->Key() + " " + editorTree().selected()->Text(), "_EXPERT Expert");
    rename("_GENERAL\\VIEW", "Look");
    EXPECT_EQ(items().at("_GENERAL").strSelectedProperty, "_GENERAL\\Look");

    runtime.headlessMessageBox().clear();
    const std::string before = layout();
    rename("_GENERAL\\LOOK", "Lo\\ok");
    rename("_GENERAL\\LOOK", "fonts");
    const std::string title = runtime.application().title;
    EXPECT_EQ(
        ovtest::shownBoxes(runtime),
        (std::vector<std::string>{title + " | 0 | You cannot input slashes in this case",
                                  title + " | 48 | The Item with name 'fonts' is not unique in collection"}));
    EXPECT_EQ(layout(), before);
    EXPECT_EQ(editorTree().nodes().find("_GENERAL\\LOOK")->Text(), "Look");
}

TEST_F(PpOptionsTreeTest, APageIndexIsCheckedBeforeAnotherNodeAndBeforeApply) {
    openEditor();
    clickRow("_GENERAL\\VIEW");
    EXPECT_EQ(page->txtPageIndex().Text(), "1");
    EXPECT_FALSE(page->Changed());
    dialog.typeInto("txtPageIndex", "0");
    clickRow("_GENERAL\\FONTS");
    EXPECT_EQ(std::tuple(lastBox(), editorTree().selected()->Key(), surface().focusedChild()),
              std::tuple("You must input option page index", "_GENERAL\\VIEW", &page->txtPageIndex()));
    runtime.headlessMessageBox().clear();
    EXPECT_FALSE(dialog.apply());
    EXPECT_EQ(std::tuple(lastBox(), page->Changed(), items().at("_GENERAL\\VIEW").iTabIndex),
              std::tuple("You must input option page index", true, 1));

    dialog.typeInto("txtPageIndex", " 4 ");
    clickRow("_GENERAL\\FONTS");
    EXPECT_EQ(std::tuple(items().at("_GENERAL\\VIEW").iTabIndex, page->txtPageIndex().Text()),
              std::tuple(4, "2"));
    EXPECT_TRUE(dialog.apply());
    EXPECT_EQ(shownPages(), " [pgSecurity]"); // View, the first page, now stands for the fourth
}

TEST_F(PpOptionsTreeTest, AFolderGoesToTheTopLevelAfterAClickOutsideAnyNode) {
    openEditor();
    clickRow("_ADVANCED\\NETWORK");
    clickOutside();
    EXPECT_EQ(editorTree().selected(), nullptr);
    EXPECT_FALSE(addWith([&](frmAddOptItem& d) {
        EXPECT_FALSE(d.cmbItemType().Enabled());
        fill(d, 0, "Tools", "");
    }));
    EXPECT_EQ(std::tuple(items().at("_TOOLS").strParentKey, editorTree().nodes().find("_TOOLS")->Parent()),
              std::tuple(" ", nullptr));
    add(0, "Macros"); // then below the new folder again
    EXPECT_EQ(items().at("_TOOLS\\MACROS").strParentKey, "_TOOLS");
}

TEST_F(PpOptionsTreeTest, ATreeBuiltInTheEditorIsSavedLoadedAndRuns) {
    openEditor(nullptr);
    add(0, "General");
    add(1, "View", "1");
    clickRow("_GENERAL");
    add(1, "Fonts", "2");
    clickOutside();
    add(0, "Advanced");
    add(1, "Security", "4");
    EXPECT_TRUE(dialog.ok());
    auto run = FormFile::read(FormFile::write(*form, "frmOptions.json"), "frmOptions.json", Mode::Run);
    run->show();
    EXPECT_EQ(shownPages(run.get()), " [pgFonts]"); // the page added last under General is its remembered one
    auto& tree = run->control<OvTreeBase>("Options")->tvOptions();
    for (auto [key, page] : {std::pair{"_GENERAL\\VIEW", " [pgView]"},
                             {"_ADVANCED\\SECURITY", " [pgSecurity]"},
                             {"_GENERAL", " [pgView]"}}) {
        tree.clickNode(*tree.nodes().find(key));
        EXPECT_EQ(shownPages(run.get()), page) << key;
    }
}

} // namespace
