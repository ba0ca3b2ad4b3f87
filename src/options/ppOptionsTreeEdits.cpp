// The editing buttons and the rename of ppOptionsTree.
#include "options/OptionTreeEdits.h"
#include "options/OvTreeFunctions.h"
#include "options/frmAddOptItem.h"
#include "options/ppOptionsTree.h"
#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/MessageBox.h"
#include "platform/TreeView.h"

namespace ov {

bool ppOptionsTree::refuseDuplicate(const std::string& key, const std::string& name) {
    // The collection is asked as well as the tree: a tree that loaded only in part lacks some keys.
    if (!tvOptions().nodes().find(upperCase(key)) && !m_options->find(key)) return false;
    msgBox("The Item with name '" + name + "' is not unique in collection", mb::Exclamation);
    return true;
}

void ppOptionsTree::addItem() {
    // A pending page index is taken (or refused) first: the new selection would overwrite it.
    if (!pageIndexAccepted()) return;
    const bool topLevel = m_treeEmpty || m_topLevel;
    auto dialog = std::make_shared<frmAddOptItem>();
    dialog->load();
    dialog->setCaption("Add option tree item");
    // The first item, and any top-level item, must be a container: a page needs a parent.
    dialog->cmbItemType().setEnabled(!topLevel);
    dialog->showModal();
    if (dialog->Cancelled()) return;

    const std::string name = dialog->strName();
    auto item = std::make_shared<COption>();
    item->eOptionType = dialog->eType();
    item->strName = name;
    const bool page = item->isPage();
    if (page || !topLevel) {
        item->strKey = optionKeyFor(m_selectedKey, name);
        item->strParentKey = upperCase(m_selectedKey);
    } else {
        item->strKey = optionKeyFor(" ", name);
        // assign(1, ' '), not = " ": GCC 12 raises a false -Wrestrict on the latter here.
        item->strParentKey.assign(1, ' ');
    }
    if (page)
        item->iTabIndex = dialog->iPageIndex();
    else
        item->strSelectedProperty.assign(1, ' ');
    if (refuseDuplicate(item->strKey, name)) return;

    Nodes& nodes = tvOptions().nodes();
    Node* parent = page || !topLevel ? nodes.Item(Variant(item->strParentKey)).get() : nullptr;
    m_options->add(item, item->strKey);
    if (page) SetSelectedProperty(*m_options, item->strKey, item->strParentKey);
    NodeRef node = page ? nodes.insert(parent, tvw::Child, item->strKey, name, {}, "ARROW")
                        : nodes.insert(parent, parent ? tvw::Child : tvw::Last, item->strKey, name,
                                       "CLOSEDFOLDER", "OPENEDFOLDER");
    node->letTag(Variant(static_cast<int32_t>(item->eOptionType)));
    if (!page && topLevel) m_treeEmpty = m_topLevel = false;
    tvOptions().setSelectedItem(node);
    cmdRemove().setEnabled(true);
    refreshSelection();
    updateUpDown();
    setChanged(true);
}

void ppOptionsTree::removeItem() {
    TreeView& tree = tvOptions();
    Node* n = tree.selected();
    if (!n) return;
    const std::string key = n->Key();
    removeOption(*m_options, key);
    tree.nodes().Remove(Variant(key));
    refreshSelection();
    setChanged(true);
    if (tree.nodes().Count() > 0) {
        updateUpDown();
        return;
    }
    for (CommandButton* b : {&cmdRemove(), &cmdUp(), &cmdDown()})
        b->setEnabled(false);
    m_treeEmpty = true;
}

void ppOptionsTree::moveItem(bool up) {
    Node* n = tvOptions().selected();
    if (!n || !pageIndexAccepted()) return;
    const NodeRef sibling = up ? n->Previous() : n->Next();
    if (!sibling) return;
    const std::string key = n->Key();
    moveOption(*m_options, key, sibling->Key(), up);
    reloadAndSelect(key);
    setChanged(true);
}

void ppOptionsTree::onAfterLabelEdit(int16_t& cancel, std::string& newString) {
    Node* n = tvOptions().selected();
    if (!n) return;
    if (newString.find('\\') != std::string::npos) {
        msgBox("You cannot input slashes in this case", mb::OkOnly);
        cancel = 1;
        return;
    }
    if (trimBlanks(newString).empty() || newString == n->Text() || !pageIndexAccepted()) {
        cancel = 1;
        return;
    }
    std::string newKey;
    try {
        newKey = renameOption(*m_options, n->Key(), newString);
    } catch (const Failure& f) {
        if (f.number() != err::DuplicateKey) throw;
        msgBox("The Item with name '" + newString + "' is not unique in collection", mb::Exclamation);
        cancel = 1;
        return;
    }
    // The reloaded tree shows the new name already; the edited node is gone from it.
    reloadAndSelect(newKey);
    setChanged(true);
}

} // namespace ov
