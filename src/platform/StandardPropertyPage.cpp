#include "platform/StandardPropertyPage.h"

#include "platform/ComboBox.h"
#include "platform/Label.h"

namespace ov {

StandardPropertyPage::StandardPropertyPage(std::string caption, std::string type)
    : PropertyPage(std::move(caption)), m_type(std::move(type)) {
    setSize(5400, 2880);
    auto& label = addChild<Label>("lblProperty");
    label.setCaption("Properties:");
    label.Move(120, 120, 2400, 240);
    m_property = &addChild<ComboBox>("cboProperty");
    m_property->Move(120, 360, 2400, 315);
    m_property->Click().connect([this] {
        if (!m_filling) show();
    });
}

int StandardPropertyPage::current() const {
    return m_property->ListIndex();
}

bool StandardPropertyPage::userEdit() {
    if (m_filling) return false;
    setChanged(true);
    return true;
}

void StandardPropertyPage::show() {
    Filling filling(*this);
    showValue();
}

void StandardPropertyPage::SelectionChanged() {
    Object& control = firstSelected();
    m_names.clear();
    clearValues();
    for (const MemberInfo& m : selectedClassOf(control).members()) {
        // Every readable, writable property of the type; one with index parameters is no single value.
        if (m.published && m.type == m_type && (m.access & access::Get) &&
            (m.access & (access::Let | access::Set)) && m.params.empty()) {
            m_names.push_back(m.name);
            readValue(control, m.name);
        }
    }
    {
        Filling filling(*this);
        m_property->Clear();
        for (const auto& name : m_names)
            m_property->AddItem(name);
        if (!m_names.empty()) m_property->setListIndex(0);
    }
    m_property->setEnabled(!m_names.empty());
    enableFields(!m_names.empty());
    show();
}

void StandardPropertyPage::ApplyChanges() {
    checkFields();
    Object& control = firstSelected();
    for (size_t i = 0; i < m_names.size(); ++i) {
        if (isEdited(i)) writeValue(control, i);
    }
}

} // namespace ov
