#include "options/frmAddOptItem.h"

#include "options/OvTreeFunctions.h"
#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/TextBox.h"
#include "platform/UserControl.h"

namespace ov {

namespace {

// The designed client area, in twips: a column of labels, a column of fields, the buttons below.
constexpr float kClientWidth = 5040, kClientHeight = 2160;
constexpr float kLabelLeft = 180, kLabelWidth = 2580, kFieldLeft = 2880, kFieldWidth = 1980;
constexpr float kRowTop = 180, kRowStep = 420, kRowHeight = 315, kLabelDrop = 45;
constexpr float kButtonTop = 1560, kButtonWidth = 1140, kButtonHeight = 375;

// The surface the dialog's controls stand on; it fills the client area and takes no focus itself.
class AddOptItemPanel : public UserControl {
    OV_OBJECT(AddOptItemPanel)
public:
    AddOptItemPanel() { setCanGetFocus(false); }
    static void describe(ClassBuilder<AddOptItemPanel>&) {}
};

const ClassInfo& AddOptItemPanel::staticClass() {
    return buildClassInfo<AddOptItemPanel>([](ClassInfo& i) {
        i.kind = ClassInfo::Kind::Control;
        i.published = false;
    });
}

} // namespace

frmAddOptItem::frmAddOptItem() : Form(kFormName, Mode::Run), m_surface(std::make_shared<AddOptItemPanel>()) {
    UserControl& s = *m_surface;
    const std::pair<const char*, const char*> labels[] = {
        {"lblItemType", "Select item type:"},
        {"lblItemName", "Input item name:"},
        {"lblPageIndex", "Input option page index for item:"}};
    float top = kRowTop;
    for (auto [name, caption] : labels) {
        auto& label = s.addChild<Label>(name);
        label.setCaption(caption);
        label.Move(kLabelLeft, top + kLabelDrop, kLabelWidth, kRowHeight - kLabelDrop);
        top += kRowStep;
    }
    auto& type = s.addChild<ComboBox>("cmbItemType");
    type.AddItem("Container");
    type.AddItem("Property page");
    type.Move(kFieldLeft, kRowTop, kFieldWidth, kRowHeight);
    type.setTabIndex(0);
    auto& name = s.addChild<TextBox>("txtItemName");
    name.Move(kFieldLeft, kRowTop + kRowStep, kFieldWidth, kRowHeight);
    name.setTabIndex(1);
    auto& index = s.addChild<TextBox>("txtPageIndex");
    index.Move(kFieldLeft, kRowTop + 2 * kRowStep, kFieldWidth, kRowHeight);
    index.setTabIndex(2);
    auto& ok = s.addChild<CommandButton>("OKButton");
    ok.setCaption("OK");
    ok.setDefault(true);
    ok.Move(kClientWidth - 2 * kButtonWidth - 300, kButtonTop, kButtonWidth, kButtonHeight);
    ok.setTabIndex(3);
    auto& cancel = s.addChild<CommandButton>("CancelButton");
    cancel.setCaption("Cancel");
    cancel.setCancel(true);
    cancel.Move(kClientWidth - kButtonWidth - 180, kButtonTop, kButtonWidth, kButtonHeight);
    cancel.setTabIndex(4);

    m_links.emplace_back(type.Click().connect([this] { typeChosen(); }));
    m_links.emplace_back(ok.Click().connect([this] { confirm(); }));
    m_links.emplace_back(cancel.Click().connect([this] {
        m_cancelled = true;
        hide();
    }));
}

frmAddOptItem::~frmAddOptItem() = default;

void frmAddOptItem::load() {
    // The outer size is whatever the border and title bar add to the client area on this screen.
    Move(0, 0, kClientWidth, kClientHeight);
    Move(0, 0, 2 * kClientWidth - ScaleWidth(), 2 * kClientHeight - ScaleHeight());
    add(m_surface, "ctlAddOptItem")->Move(0, 0, kClientWidth, kClientHeight);
    m_cancelled = true;
    cmbItemType().setListIndex(0); // "Container": hides the page index
    typeChosen();
}

en_OptionType frmAddOptItem::chosenType() const {
    return cmbItemType().ListIndex() == 1 ? en_OptionType::PropertyPage : en_OptionType::Container;
}

void frmAddOptItem::typeChosen() {
    const bool page = chosenType() == en_OptionType::PropertyPage;
    lblPageIndex().setVisible(page);
    txtPageIndex().setVisible(page);
}

void frmAddOptItem::confirm() {
    const en_OptionType type = chosenType();
    const std::string name = trimBlanks(txtItemName().Text());
    txtItemName().setText(name);
    if (name.empty() || name.find('\\') != std::string::npos) {
        msgBox(type == en_OptionType::Container ? "You must input container name"
                                                : "You must input property page name",
               mb::OkOnly);
        txtItemName().SetFocus();
        return;
    }
    if (txtPageIndex().Visible()) {
        const std::string index = trimBlanks(txtPageIndex().Text());
        if (index.empty() || !IsValidIndex(index)) {
            msgBox("You must input option page index", mb::OkOnly);
            txtPageIndex().SetFocus();
            return;
        }
        m_pageIndex = Variant(index).toInt16();
    }
    m_type = type;
    m_name = name;
    m_cancelled = false;
    hide();
}

Label& frmAddOptItem::lblItemType() const {
    return m_surface->child<Label>("lblItemType");
}
ComboBox& frmAddOptItem::cmbItemType() const {
    return m_surface->child<ComboBox>("cmbItemType");
}
Label& frmAddOptItem::lblItemName() const {
    return m_surface->child<Label>("lblItemName");
}
TextBox& frmAddOptItem::txtItemName() const {
    return m_surface->child<TextBox>("txtItemName");
}
Label& frmAddOptItem::lblPageIndex() const {
    return m_surface->child<Label>("lblPageIndex");
}
TextBox& frmAddOptItem::txtPageIndex() const {
    return m_surface->child<TextBox>("txtPageIndex");
}
CommandButton& frmAddOptItem::OKButton() const {
    return m_surface->child<CommandButton>("OKButton");
}
CommandButton& frmAddOptItem::CancelButton() const {
    return m_surface->child<CommandButton>("CancelButton");
}

} // namespace ov
