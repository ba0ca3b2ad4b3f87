#include "wizard/pages/Captions.h"

#include "platform/TextBox.h"
#include "wizard/pages/PageFields.h"

namespace ov {

namespace {
struct Field {
    const char* name; // the text box is "txt" + name, its label name + ":"
    const char* property;
};
// In the order of the rows and of the writes.
constexpr std::array<Field, 5> kFields{
    Field{"WaterMarkTitle", "WatermarkTitle"}, Field{"WaterMarkRule", "WatermarkRule"},
    Field{"WaterMarkDescription", "WatermarkDescription"}, Field{"BannerTitle", "BannerTitle"},
    Field{"BannerDescription", "BannerDescription"}};
constexpr float kLabelWidth = 1800;
constexpr float kFieldWidth = 3600;
} // namespace

const ClassInfo& Captions::staticClass() {
    return propertyPageClass<Captions>("{41C925F5-C910-44B8-A867-0DE8DFDE7B40}");
}

Captions::Captions() : PropertyPage("Captions") {
    float top = kPageMargin;
    for (size_t i = 0; i < kFields.size(); ++i) {
        const std::string name = kFields[i].name;
        addFieldLabel(*this, "lbl" + name, name + ":", kPageMargin, top, kLabelWidth);
        m_fields[i] = &addTextField(*this, "txt" + name, kPageMargin + kLabelWidth + 60, top, kFieldWidth);
        if (name == "WaterMarkDescription") { // a paragraph or two: wrapped, two rows high
            m_fields[i]->setMultiLine(true);
            m_fields[i]->setHeight(2 * kFieldHeight + kRowGap);
            top += kFieldHeight + kRowGap;
        }
        m_links.emplace_back(m_fields[i]->Change.connect([this] { setChanged(true); }));
        top += kFieldHeight + kRowGap;
    }
    setSize(kPageMargin * 2 + kLabelWidth + 60 + kFieldWidth, top - kRowGap + kPageMargin);
}

void Captions::SelectionChanged() {
    Object& page = firstSelected();
    for (size_t i = 0; i < kFields.size(); ++i)
        m_fields[i]->setText(page.get(kFields[i].property).toString());
}

void Captions::ApplyChanges() {
    Object& page = firstSelected();
    for (size_t i = 0; i < kFields.size(); ++i)
        page.let(kFields[i].property, Variant(m_fields[i]->Text()));
}

} // namespace ov
