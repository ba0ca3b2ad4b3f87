#include "progress/BoundPropertyPage.h"

#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/TextBox.h"

#include <algorithm>
#include <cmath>

namespace ov {

namespace {

// Twips. Text rows are a text box's height plus a gap apart; labels sit 45 twips lower than their
// field so that both texts share a baseline.
constexpr float kMargin = 120;
constexpr float kFieldHeight = 285, kCheckHeight = 255;
constexpr float kTextPitch = 390, kCheckPitch = 300;
constexpr float kLabelGap = 120, kLabelDrop = 45;
constexpr float kFieldWidth = 2895;
constexpr float kFrameCaption = 240, kFramePad = 120, kFrameGap = 150;

bool hasLabel(FieldKind k) {
    return k == FieldKind::Text || k == FieldKind::List;
}

// "txtMax" labelled by "lblMax".
std::string labelName(const std::string& field) {
    return "lbl" + field.substr(std::min<size_t>(3, field.size()));
}

} // namespace

BoundPropertyPage::BoundPropertyPage(std::string caption, std::vector<FieldBinding> table,
                                     std::string frameCaption)
    : PropertyPage(std::move(caption)), m_table(std::move(table)), m_read(m_table.size()) {
    // Made in table order, each label just before its field, so the tab order follows the table.
    auto edited = [this] { setChanged(true); };
    Frame* frame = nullptr;
    for (const FieldBinding& b : m_table) {
        if (b.framed && !frame) {
            frame = &addChild<Frame>("fraFields");
            frame->setCaption(frameCaption);
        }
        ConstituentControl* in = b.framed ? frame : nullptr;
        if (hasLabel(b.kind)) {
            auto& label = addChild<Label>(labelName(b.field), in);
            label.setAutoSize(true);
            label.setCaption(b.label);
        }
        switch (b.kind) {
        case FieldKind::Check: {
            auto& box = addChild<CheckBox>(b.field, in);
            box.setCaption(b.label);
            m_edits.emplace_back(box.Click().connect(edited));
            break;
        }
        case FieldKind::Text:
            m_edits.emplace_back(addChild<TextBox>(b.field, in).Change.connect(edited));
            break;
        case FieldKind::List:
            m_edits.emplace_back(addChild<ComboBox>(b.field, in).Click().connect(edited));
            break;
        case FieldKind::Kept:
            break;
        }
    }
    layOut();
}

void BoundPropertyPage::layOut() {
    // The labels have measured themselves; the field column starts right of the widest.
    float labelWidth = 0;
    for (const FieldBinding& b : m_table) {
        if (hasLabel(b.kind)) labelWidth = std::max(labelWidth, child<Label>(labelName(b.field)).Width());
    }
    labelWidth = std::ceil(labelWidth);
    const float pageWidth = 2 * kMargin + labelWidth + kLabelGap + kFieldWidth;

    Frame* frame = findChild("fraFields") ? &child<Frame>("fraFields") : nullptr;
    float top = kMargin;           // of the next row on the page
    float bottom = kMargin;        // of the lowest row on the page
    float inFrame = kFrameCaption; // of the next row inside the frame
    float frameLow = 0;            // of the lowest row inside the frame
    bool framing = false;
    auto closeFrame = [&] {
        frame->Move(kMargin, top, pageWidth - 2 * kMargin, frameLow + kFramePad);
        bottom = top + frame->Height();
        top = bottom + kFrameGap;
        framing = false;
    };
    for (const FieldBinding& b : m_table) {
        if (b.kind == FieldKind::Kept) continue;
        if (framing && !b.framed) closeFrame();
        framing = b.framed;
        float& y = framing ? inFrame : top;
        const float left = framing ? kFramePad : kMargin;
        const float right = pageWidth - kMargin - (framing ? kMargin + kFramePad : 0); // in the container
        ConstituentControl& field = *findChild(b.field);
        if (b.kind == FieldKind::Check) {
            field.Move(left, y, right - left, kCheckHeight);
            (framing ? frameLow : bottom) = y + kCheckHeight;
            y += kCheckPitch;
            continue;
        }
        child<Label>(labelName(b.field)).Move(left, y + kLabelDrop);
        field.Move(left + labelWidth + kLabelGap, y, right - (left + labelWidth + kLabelGap), kFieldHeight);
        (framing ? frameLow : bottom) = y + kFieldHeight;
        y += kTextPitch;
    }
    if (framing) closeFrame();
    setSize(pageWidth, bottom + kMargin);
}

void BoundPropertyPage::Initialize() {
    for (const FieldBinding& b : m_table) {
        if (b.kind != FieldKind::List) continue;
        auto& list = child<ComboBox>(b.field);
        list.Clear();
        for (const std::string& entry : b.entries)
            list.AddItem(entry);
    }
}

void BoundPropertyPage::SelectionChanged() {
    Object& control = firstSelected();
    for (size_t row = 0; row < m_table.size(); ++row)
        load(row, control);
}

void BoundPropertyPage::load(size_t row, Object& control) {
    const FieldBinding& b = m_table[row];
    m_read[row] = control.get(b.property);
    const Variant& v = m_read[row];
    switch (b.kind) {
    case FieldKind::Check:
        child<CheckBox>(b.field).setValue(v.toBool() ? 1 : 0);
        break;
    case FieldKind::Text:
        child<TextBox>(b.field).setText(v.toString());
        break;
    case FieldKind::List: {
        auto& list = child<ComboBox>(b.field);
        const double n = v.toDouble();
        const bool listed = n >= 0 && n < list.ListCount() && n == std::floor(n);
        list.setListIndex(listed ? static_cast<int16_t>(n) : int16_t{-1});
        break;
    }
    case FieldKind::Kept:
        break;
    }
}

Variant BoundPropertyPage::fieldValue(size_t row) const {
    const FieldBinding& b = m_table[row];
    switch (b.kind) {
    case FieldKind::Check:
        return Variant(child<CheckBox>(b.field).Value() == 1);
    case FieldKind::Text:
        return Variant(child<TextBox>(b.field).Text());
    case FieldKind::List: {
        const int16_t index = child<ComboBox>(b.field).ListIndex();
        return index >= 0 ? Variant(static_cast<int32_t>(index)) : m_read[row];
    }
    case FieldKind::Kept:
        break;
    }
    return m_read[row];
}

void BoundPropertyPage::ApplyChanges() {
    Object& control = firstSelected();
    for (bool last : {false, true}) {
        for (size_t row = 0; row < m_table.size(); ++row) {
            if (m_table[row].writtenLast == last) control.let(m_table[row].property, fieldValue(row));
        }
    }
}

} // namespace ov
