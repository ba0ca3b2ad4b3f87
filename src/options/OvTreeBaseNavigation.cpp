// The option tree's algorithms: making an item current, the first page, and the node click.
#include "frame/ErrorReporting.h"
#include "options/OvTreeBase.h"
#include "options/OvTreeFunctions.h"
#include "platform/TreeView.h"

#include <algorithm>
#include <vector>

namespace ov {

namespace {
bool blank(std::string_view s) {
    return trimBlanks(s).empty();
}
} // namespace

const OptionCollection& OvTreeBase::options() const {
    if (!m_options) throw Failure(err::ObjectNotSet);
    return *m_options;
}

CTabManager& OvTreeBase::tabs() const {
    if (!m_tabs) throw Failure(err::ObjectNotSet);
    return *m_tabs;
}

int16_t OvTreeBase::tabIndexOf(const std::string& key) const {
    return options().at(upperCase(key)).iTabIndex;
}

void OvTreeBase::selectNode(const std::string& key) {
    tvOptions().nodes().Item(Variant(upperCase(key)))->setSelected(true);
}

void OvTreeBase::SetNodeImage(const std::string& key, const std::string& image) {
    NodeRef n = tvOptions().nodes().Item(Variant(upperCase(key)));
    const Variant v = image != "NONACTIVEARROW" ? Variant(image) : Variant(nullptr);
    n->setImage(v);
    n->setSelectedImage(v);
}

void OvTreeBase::MakeCurrent(const std::string& key) {
    const COption& o = options().at(upperCase(key));
    m_currentItem = std::static_pointer_cast<COption>(const_cast<COption&>(o).shared_from_this());
    if (o.isPage() && !equalsNoCase(o.strKey, m_currentKey)) {
        SetSelectedProperty(options(), upperCase(o.strKey), upperCase(o.strParentKey));
        SetNodeImage(o.strKey, "ARROW");
    }
    m_currentParentKey = upperCase(o.strParentKey);
    m_currentKey = upperCase(o.strKey);
    m_currentName = o.strName;
    m_currentType = o.eOptionType;
    m_currentTabIndex = o.iTabIndex;
    m_currentSelectedProperty = upperCase(o.strSelectedProperty);
}

// A remembered page that is blank, or whose node is not in the tree, is no page to show: the
// search for a first page goes on below the container.
bool OvTreeBase::ShowContainerPage(const std::string& key) {
    const COption& o = options().at(upperCase(key));
    if (o.isPage() || blank(o.strSelectedProperty) ||
        !tvOptions().nodes().find(upperCase(o.strSelectedProperty)))
        return false;
    const std::string remembered = upperCase(o.strSelectedProperty);
    selectNode(remembered);
    MakeCurrent(remembered);
    SetNodeImage(m_currentParentKey, "OPENEDFOLDER");
    return true;
}

// Depth first, children in collection order (a container's items are its node's children); the
// walk keeps its own stack, as a chain of nested folders may be deeper than the call stack.
std::string OvTreeBase::SelectFirstPage(const std::string& key) {
    std::vector<std::string> pending{upperCase(key)};
    while (!pending.empty()) {
        const std::string k = std::move(pending.back());
        pending.pop_back();
        const COption& o = options().at(k);
        if (o.isPage()) {
            MakeCurrent(k);
            NodeRef node = tvOptions().nodes().Item(Variant(m_currentKey));
            node->setExpanded(true);
            node->setSelected(true);
            SetNodeImage(m_currentParentKey, "OPENEDFOLDER");
            return m_currentKey;
        }
        if (ShowContainerPage(k)) return m_currentKey;
        Node* node = tvOptions().nodes().find(upperCase(k));
        const size_t mark = pending.size();
        for (NodeRef c = node ? node->Child() : nullptr; c; c = c->Next())
            pending.push_back(c->Key());
        std::reverse(pending.begin() + static_cast<std::ptrdiff_t>(mark), pending.end());
    }
    return {};
}

void OvTreeBase::onNodeClick(const NodeRef& node) {
    const std::string k = node->Key();
    const std::string K = upperCase(k);
    const OptionCollection& opts = options();
    int16_t target = 0;
    const COption* o = &opts.at(k);
    if (o->isPage())
        target = o->iTabIndex;
    else if (!blank(o->strSelectedProperty))
        target = tabIndexOf(o->strSelectedProperty);

    const std::string from =
        m_currentType != en_OptionType::Container ? m_currentKey : m_currentSelectedProperty;
    m_fromKey = from;
    m_toKey = K;
    bool keyChanged = false;
    if (!equalsNoCase(K, from)) {
        keyChanged = true;
        bool cancel = false;
        BeforePageChange(tabs().CurrentTab(), target, cancel);
        if (cancel) {
            selectNode(from);
            m_lastShownKey = upperCase(from);
            return;
        }
    }

    o = &opts.at(K);
    bool pageChanged = false;
    const bool containerCurrent = m_currentType == en_OptionType::Container;
    if (o->isPage()) {
        target = o->iTabIndex;
        const std::string& shownKey = containerCurrent ? m_currentSelectedProperty : m_currentKey;
        if (!equalsNoCase(shownKey, k)) {
            if (!blank(shownKey)) SetNodeImage(shownKey, "NONACTIVEARROW");
            SetNodeImage(K, "ARROW");
            SetSelectedProperty(opts, K, upperCase(o->strParentKey));
            pageChanged = true;
        }
        SetSelectedProperty(opts, upperCase(o->strKey), upperCase(o->strParentKey));
    } else {
        const std::string s = o->strSelectedProperty;
        const std::string& shownKey = containerCurrent ? m_currentSelectedProperty : m_currentKey;
        if (!equalsNoCase(shownKey, s)) {
            // A container current without a remembered page shows no page: there is no arrow to clear.
            if (!blank(shownKey)) SetNodeImage(shownKey, "NONACTIVEARROW");
            if (!blank(s)) {
                SetNodeImage(s, "ARROW");
                target = tabIndexOf(s);
                SetSelectedProperty(opts, upperCase(s), upperCase(o->strKey));
            } else {
                target = -1;
            }
            pageChanged = true;
        }
    }
    m_lastShownKey = upperCase(o->strSelectedProperty);
    const bool container = !o->isPage();
    MakeCurrent(K);
    if (keyChanged && pageChanged) {
        AfterPageChange(tabs().CurrentTab(), target);
        tabs().ChangeTab(target);
    }
    if (container) {
        const size_t slash = from.rfind('\\');
        if (!equalsNoCase(from, m_lastShownKey) && slash != std::string::npos) {
            if (Node* folder = tvOptions().nodes().find(upperCase(from.substr(0, slash))))
                folder->setExpanded(false);
        }
        // With no remembered page there is no row to bring into view.
        if (!m_lastShownKey.empty()) tvOptions().nodes().Item(Variant(m_lastShownKey))->EnsureVisible();
        selectNode(K);
    }
}

void OvTreeBase::onExpandCollapse(const NodeRef& node, bool expanded) {
    auto apply = [&] {
        const COption* o = m_options ? m_options->find(node->Key()) : nullptr;
        if (o && !o->isPage()) {
            const char* image = expanded ? "OPENEDFOLDER" : "CLOSEDFOLDER";
            node->setImage(Variant(image));
            node->setSelectedImage(Variant(image));
        }
        m_lastExpandCollapse = expanded ? 0 : 1;
        m_lastExpandCollapseKey = node->Key();
    };
    if (!expanded) {
        apply();
        return;
    }
    ignoreFailures(apply); // a failure while handling an expand is ignored
}

void OvTreeBase::clickNode(const std::string& key) {
    tvOptions().clickNode(*tvOptions().nodes().Item(Variant(upperCase(key))));
}

} // namespace ov
