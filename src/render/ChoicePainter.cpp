#include "render/ChoicePainter.h"

#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/OptionButton.h"
#include "render/EditPainter.h"

#include <cmath>
#include <string>

namespace ov {

namespace {

constexpr int kCheckSize = 13;  // pixels of a check box's square
constexpr int kOptionSize = 12; // pixels of an option button's circle
constexpr int kCaptionGap = 4;  // pixels between the box and the caption
constexpr int kArrowWidth = 16; // pixels of a combo box's arrow button (a scroll bar's width)

} // namespace

bool ChoicePainter::paint(const ConstituentControl& c, PixelRect r) {
    if (const auto* check = dynamic_cast<const CheckBox*>(&c)) {
        paintCheckBox(*check, r);
        return true;
    }
    if (const auto* option = dynamic_cast<const OptionButton*>(&c)) {
        paintOptionButton(*option, r);
        return true;
    }
    if (const auto* combo = dynamic_cast<const ComboBox*>(&c)) {
        paintComboBox(*combo, r);
        return true;
    }
    return false;
}

void ChoicePainter::paintCaption(const ConstituentControl& c, const std::string& caption, bool right,
                                 int boxSize, PixelRect r) {
    if (caption.empty()) return;
    const FontRef font = c.Font();
    const double w = m_canvas.textWidth(font, caption, true);
    const double h = m_canvas.lineHeight(font);
    const double x = right ? r.right() - boxSize - kCaptionGap - w : r.x + boxSize + kCaptionGap;
    const double y = r.y + std::floor((r.h - h) / 2);
    if (c.Enabled())
        m_canvas.text(font, caption, x, y, c.ForeColor(), true);
    else
        m_canvas.engravedText(font, caption, x, y, true);
    if (c.hasFocus()) {
        m_canvas.dottedOutline({static_cast<int>(std::floor(x)) - 1, static_cast<int>(y) - 1,
                                static_cast<int>(std::ceil(w)) + 3, static_cast<int>(std::ceil(h)) + 2},
                               sysColor::ButtonText);
    }
}

void ChoicePainter::tick(int x, int y, OleColor color) {
    // The classic 7 × 7 tick: a short stroke down to the right, then a long one up, three pixels thick.
    for (int i = 0; i < 7; ++i) {
        const int top = i < 3 ? y + 2 + i : y + 4 - (i - 2);
        m_canvas.fill({x + i, top, 1, 3}, color);
    }
}

void ChoicePainter::paintCheckBox(const CheckBox& c, PixelRect r) {
    m_canvas.fill(r, c.BackColor());
    const bool right = c.Alignment() == 1;
    const PixelRect box{right ? r.right() - kCheckSize : r.x, r.y + (r.h - kCheckSize) / 2, kCheckSize,
                        kCheckSize};
    m_canvas.fill(box, c.Enabled() && c.Value() != 2 ? sysColor::WindowBackground : sysColor::ButtonFace);
    m_canvas.sunkenEdge(box);
    if (c.Value() != 0)
        tick(box.x + 3, box.y + 2,
             c.Value() == 1 && c.Enabled() ? sysColor::WindowText : sysColor::ButtonShadow);
    paintCaption(c, c.Caption(), right, kCheckSize, r);
}

void ChoicePainter::paintOptionButton(const OptionButton& o, PixelRect r) {
    m_canvas.fill(r, o.BackColor());
    const int x0 = r.x, y0 = r.y + (r.h - kOptionSize) / 2;
    const OleColor inside = o.Enabled() ? sysColor::WindowBackground : sysColor::ButtonFace;
    // Pixel by pixel from the distance to the centre: two rings shaded like a sunken edge (the upper
    // left half dark, the lower right light), the inside, and the dot.
    constexpr double c = (kOptionSize - 1) / 2.0;
    for (int y = 0; y < kOptionSize; ++y) {
        for (int x = 0; x < kOptionSize; ++x) {
            const double d = std::hypot(x - c, y - c);
            if (d > c + 0.5) continue;
            const bool upperLeft = x + y < kOptionSize - 1;
            OleColor color = inside;
            if (d > c - 0.7)
                color = upperLeft ? sysColor::ButtonShadow : sysColor::ButtonHighlight;
            else if (d > c - 1.7)
                color = upperLeft ? sysColor::ButtonDarkShadow : sysColor::ButtonLight;
            else if (o.Value() && d < 2.0)
                color = o.Enabled() ? sysColor::WindowText : sysColor::ButtonShadow;
            m_canvas.fill({x0 + x, y0 + y, 1, 1}, color);
        }
    }
    paintCaption(o, o.Caption(), false, kOptionSize, r);
}

void ChoicePainter::paintComboBox(const ComboBox& c, PixelRect r) {
    m_canvas.fill(r, c.Enabled() ? c.BackColor() : sysColor::ButtonFace);
    m_canvas.sunkenEdge(r);
    const PixelRect inner = r.inset(2);
    const PixelRect button{inner.right() - kArrowWidth, inner.y, kArrowWidth, inner.h};
    EditPainter(m_canvas).paintArrowButton(button, false, false, c.Enabled());
    const PixelRect field{inner.x + 1, inner.y + 1, inner.w - kArrowWidth - 2, inner.h - 2};
    Canvas::ClipScope clip(m_canvas, field);
    const FontRef font = c.Font();
    const double h = m_canvas.lineHeight(font);
    const double y = r.y + std::floor((r.h - h) / 2);
    OleColor color = c.Enabled() ? c.ForeColor() : sysColor::GrayText;
    if (c.hasFocus()) {
        m_canvas.fill(field, sysColor::Highlight);
        m_canvas.dottedOutline(field, sysColor::HighlightText);
        color = sysColor::HighlightText;
    }
    m_canvas.text(font, c.Text(), field.x + 2, y, color);
}

} // namespace ov
