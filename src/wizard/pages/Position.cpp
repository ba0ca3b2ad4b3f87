#include "wizard/pages/Position.h"

#include "platform/TextBox.h"
#include "wizard/pages/PageFields.h"

namespace ov {

namespace {
// The bound properties, in the order of the fields and of the writes.
constexpr std::array<const char*, 5> kProperties{"ButtonWidth", "ButtonHeight", "ButtonGapMiddle",
                                                 "ButtonGapRight", "ButtonGapTop"};
constexpr float kLabelWidth = 1500;
} // namespace

const ClassInfo& Position::staticClass() {
    return propertyPageClass<Position>("{3B8563C5-A98D-461A-8847-55EB03FEF77D}");
}

Position::Position() : PropertyPage("Position") {
    float top = kPageMargin;
    for (size_t i = 0; i < kProperties.size(); ++i) {
        const std::string name = kProperties[i];
        addFieldLabel(*this, "lbl" + name, name + ":", kPageMargin, top, kLabelWidth);
        m_fields[i] = &addTextField(*this, "txt" + name, kPageMargin + kLabelWidth + 60, top, 900);
        m_links.emplace_back(m_fields[i]->Change.connect([this] { setChanged(true); }));
        top += kFieldHeight + kRowGap;
    }
    setSize(4800, top - kRowGap + kPageMargin);
}

void Position::SelectionChanged() {
    Object& nav = firstSelected();
    for (size_t i = 0; i < kProperties.size(); ++i)
        m_fields[i]->setText(nav.get(kProperties[i]).toString());
}

void Position::ApplyChanges() {
    Object& nav = firstSelected();
    for (size_t i = 0; i < kProperties.size(); ++i)
        nav.let(kProperties[i], Variant(m_fields[i]->Text()));
}

} // namespace ov
