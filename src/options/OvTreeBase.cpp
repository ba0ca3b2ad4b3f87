#include "options/OvTreeBase.h"

#include "frame/ErrorReporting.h"
#include "options/OptionListText.h"
#include "options/OvTreeFunctions.h"
#include "options/TreeImages.h"
#include "platform/CommandButton.h"
#include "platform/Extender.h"
#include "platform/Form.h"
#include "platform/Frame.h"
#include "platform/ImageList.h"
#include "platform/MessageBox.h"
#include "platform/PictureBox.h"
#include "platform/PropertyBag.h"
#include "platform/Runtime.h"
#include "platform/TreeView.h"

namespace ov {

namespace {
// The designed surface, in twips.
constexpr float kTreeLeft = 120, kTreeTop = 90, kTreeWidth = 2700;
constexpr float kButtonTop = 135, kButtonWidth = 1125, kButtonHeight = 345;

} // namespace

const ClassInfo& OvTreeBase::staticClass() {
    return buildClassInfo<OvTreeBase>([](ClassInfo& i) {
        i.guid = "{2F4E6A81-9C3B-4D52-8E17-6A9B0C1D2E31}";
        i.kind = ClassInfo::Kind::Control;
        i.creatable = true;
        i.interfaceName = "_OvTreeBase";
        i.eventInterfaceName = "__OvTreeBase";
        i.eventGuid = "{2F4E6A82-9C3B-4D52-8E17-6A9B0C1D2E31}";
        i.propertyPages = {"ppOptionsTree"};
    });
}

void OvTreeBase::describe(ClassBuilder<OvTreeBase>& b) {
    using T = OvTreeBase;
    b.property("objTabsManager", 0x4003001a, &T::objTabsManager).set(&T::setObjTabsManager);
    b.property("mcolOptions", 0x40030025, &T::mcolOptions).set(&T::setMcolOptions);
    b.property("ShowApply", 0x68030034, &T::ShowApply, &T::showApplyByName);
    b.writeOnly("DefaultButton", 0x6803001f, &T::setDefaultButton);
    b.writeOnly("TreeEnabled", 0x6803001e, &T::setTreeEnabled);
    b.property("CustomCaption", 0x68030036, &T::CustomCaption, &T::setCustomCaption);
    b.property("CustomVisible", 0x68030035, &T::CustomVisible, &T::setCustomVisible);
    b.property("ClientTop", 0x6803001d, &T::ClientTop);
    b.property("ClientLeft", 0x6803001c, &T::ClientLeft);
    b.property("ClientHeight", 0x6803001b, &T::ClientHeight);
    b.property("ClientWidth", 0x6803001a, &T::ClientWidth);
    b.property("FromKey", 0x68030039, &T::FromKey);
    b.property("ToKey", 0x68030038, &T::ToKey);
    b.property("CurrentKey", 0x68030037, &T::CurrentKey);
    b.property("HelpApplyCaption", 0x6803003a, &T::HelpApplyCaption, &T::setHelpApplyCaption);
    b.method("EnableButton", 0x60030020, &T::EnableButton, {"Button"});
    b.method("DisableButton", 0x60030021, &T::DisableButton, {"Button"});
    b.method("SetTab", 0x60030022, &T::SetTab, {"TabIndex"});
    b.method("AddNodes", 0x60030023, &T::AddNodes, {"colSource"});
    b.method("CurrentPage", 0x60030033, &T::CurrentPage, {"ValueMode"});
    b.event("OKClick", 1, &T::OKClick, {});
    b.event("CancelClick", 2, &T::CancelClick, {});
    b.event("HelpClick", 3, &T::HelpClick, {});
    b.event("BeforePageChange", 4, &T::BeforePageChange, {"FromPageIndex", "ToPageIndex", "Cancel"});
    b.event("AfterPageChange", 5, &T::AfterPageChange, {"FromPageIndex", "ToPageIndex"});
    b.event("ApplyClick", 6, &T::ApplyClick, {});
    b.event("CustomClick", 7, &T::CustomClick, {});
}

OvTreeBase::OvTreeBase() {
    buildSurface();
    setControlContainer(true); // the option pages stand inside the control
}

OvTreeBase::~OvTreeBase() = default;

void OvTreeBase::buildSurface() {
    auto& images = addChild<ImageList>("imgOptions");
    addOptionTreeImages(images);
    auto& tree = addChild<TreeView>("tvOptions");
    tree.setImageList(&images);
    tree.Move(kTreeLeft, kTreeTop, kTreeWidth, 4000);
    auto& bar = addChild<PictureBox>("picButtons");
    bar.setBorderStyle(0);
    bar.setTabStop(false);
    auto& top = addChild<Frame>("fraTop", &bar);
    top.Move(0, 0, 0, 30);
    const std::pair<const char*, const char*> buttons[] = {
        {"cmdCustom", "Custom"}, {"cmdOK", "OK"}, {"cmdCancel", "Cancel"}, {"cmdHelpApply", "Help"}};
    int16_t tab = 1;
    for (auto [name, caption] : buttons) {
        auto& c = addChild<CommandButton>(name, &bar);
        c.setCaption(caption);
        c.Move(0, kButtonTop, kButtonWidth, kButtonHeight);
        c.setTabIndex(tab++);
    }
    child<CommandButton>("cmdCustom").setVisible(false);

    m_links.emplace_back(tree.NodeClick.connect([this](NodeRef n) { onNodeClick(n); }));
    m_links.emplace_back(tree.Expand.connect([this](NodeRef n) { onExpandCollapse(n, true); }));
    m_links.emplace_back(tree.Collapse.connect([this](NodeRef n) { onExpandCollapse(n, false); }));
    m_links.emplace_back(tree.KeyDown().connect([this](int16_t& key, int16_t&) { m_lastKeyDown = key; }));
    m_links.emplace_back(child<CommandButton>("cmdOK").Click().connect([this] { OKClick(); }));
    m_links.emplace_back(child<CommandButton>("cmdCancel").Click().connect([this] { CancelClick(); }));
    m_links.emplace_back(child<CommandButton>("cmdCustom").Click().connect([this] { CustomClick(); }));
    m_links.emplace_back(child<CommandButton>("cmdHelpApply").Click().connect([this] {
        if (child<CommandButton>("cmdHelpApply").Caption() == "Help")
            HelpClick();
        else
            ApplyClick();
    }));
}

TreeView& OvTreeBase::tvOptions() const {
    return child<TreeView>("tvOptions");
}

CommandButton& OvTreeBase::button(en_Buttons which) const {
    switch (which) {
    case en_Buttons::btnOK:
        return child<CommandButton>("cmdOK");
    case en_Buttons::btnCancel:
        return child<CommandButton>("cmdCancel");
    case en_Buttons::btnHelp:
    case en_Buttons::btnApply:
        return child<CommandButton>("cmdHelpApply");
    case en_Buttons::btnCustom:
        return child<CommandButton>("cmdCustom");
    }
    throw Failure(err::InvalidProcedureCall);
}

// ---- Lifecycle ----

void OvTreeBase::onInitialize() {
    m_tabs = std::make_shared<CTabManager>();
    m_options = std::make_shared<OptionCollection>();
}

void OvTreeBase::onInitProperties() {
    Form& form = parentForm();
    int count = 0;
    for (const ExtenderRef& e : form.controls())
        count += e->typeName() == kClassName ? 1 : 0;
    if (count > 1) {
        msgBox("Only one OvTreeBase may stand on a form. Please remove the OvTreeBase you have just added.",
               mb::Exclamation, typeName());
    }
    extender().setTop(0);
    form.setHeight(5625);
    form.setWidth(8985);
    setHelpApplyCaption("");
    setCustomCaption("Custom");
    setCustomVisible(false);
    onResize();
}

void OvTreeBase::onShow() {
    ignoreFailures([&] {
        Form& form = parentForm();
        extender().Move(0, 0, form.ScaleWidth(), form.ScaleHeight());
        tvOptions().ZOrder(0);
        CommandButton& ok = child<CommandButton>("cmdOK");
        if (ok.Enabled() && parentForm().userMode()) ok.SetFocus();
    });
}

void OvTreeBase::onTerminate() {
    m_tabs.reset();
}

// ---- Persistence ----

void OvTreeBase::onReadProperties(PropertyBag& bag) {
    m_treeContainment = bag.readAs<std::string>("TreeContainment", "");
    setCustomCaption(bag.readAs<std::string>("CustomCaption", "Custom"));
    m_customVisible = bag.readAs<bool>("CustomVisible", false);
    child<CommandButton>("cmdCustom").setVisible(m_customVisible);
    m_helpApplyCaption = bag.readAs<std::string>("HelpApplyCaption", "");
    bool showApply = bag.readAs<bool>("ShowApply", false);
    setShowApply(showApply);
    if (m_treeContainment != "") {
        // A text that does not decode, or whose tree cannot be built, refuses the whole form: the
        // bag names the property and the record, the form file the file and the control.
        try {
            m_options = DecodeOptions(m_treeContainment);
            tabs().setOptions(m_options);
            loadOptions();
        } catch (const Failure& f) {
            bag.refuse("TreeContainment", f.description());
        }
    } else {
        m_options = std::make_shared<OptionCollection>();
    }
    en_Buttons ok = en_Buttons::btnOK;
    setDefaultButton(ok);
}

void OvTreeBase::loadOptions() {
    LoadTree(tvOptions(), options(), false);
    if (tvOptions().nodes().Count() > 0)
        SelectFirstPage(tvOptions().nodes().Item(Variant(int32_t{1}))->Key());
    tabs().ChangeTab(m_currentTabIndex);
}

void OvTreeBase::onWriteProperties(PropertyBag& bag) {
    std::string text;
    try {
        text = EncodeOptions(m_options.get());
    } catch (const Failure& f) {
        // Written as it is would make a form that never loads again: the save is refused instead.
        bag.refuse("TreeContainment", f.description());
    }
    m_treeContainment = text;
    bag.put("TreeContainment", Variant(text));
    bag.put("ShowApply", Variant(m_showApply));
    bag.write("CustomVisible", Variant(m_customVisible), Variant(false));
    bag.write("CustomCaption", Variant(CustomCaption()), Variant("Custom"));
    bag.write("HelpApplyCaption", Variant(m_helpApplyCaption), Variant(""));
}

// ---- Tree ----

void OvTreeBase::AddNodes(OptionCollectionRef& colSource) {
    m_options = colSource;
    // A tree that loads only in part is still the new tree: the change is reported either way.
    ignoreFailures([&] { loadOptions(); });
    PropertyChanged("TreeContainment");
}

void OvTreeBase::SetTab(int16_t& TabIndex) {
    tabs().ChangeTab(TabIndex);
}

Variant OvTreeBase::CurrentPage(en_Mode ValueMode) {
    switch (ValueMode) {
    case en_Mode::ovMDIndex:
        return Variant(tabs().CurrentTab());
    case en_Mode::ovMDName: {
        NodeRef selected = tvOptions().SelectedItem();
        if (!selected) throw Failure(err::ObjectNotSet);
        return Variant(selected->Text());
    }
    }
    return Variant();
}

void OvTreeBase::setTreeEnabled(bool& value) {
    m_treeEnabled = value;
    TreeView& tree = tvOptions();
    tree.setEnabled(value);
    if (value) {
        if (m_savedKey != "") {
            selectNode(m_savedKey);
            tabs().ChangeTab(m_savedTabIndex);
        } else if (tree.nodes().Count() > 0) {
            SelectFirstPage(tree.nodes().Item(Variant(int32_t{1}))->Key());
            tabs().ChangeTab(m_currentTabIndex);
        }
        m_savedKey.clear();
        m_savedTabIndex = 0;
    } else {
        m_savedKey = upperCase(m_currentKey);
        m_savedTabIndex = m_currentTabIndex;
        if (tree.nodes().Count() > 0) tree.nodes().Item(Variant(int32_t{1}))->setExpanded(false);
    }
}

} // namespace ov
