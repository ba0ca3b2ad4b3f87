#include "render/EditPainter.h"

#include "platform/Runtime.h"
#include "platform/TextBox.h"
#include "platform/TextMetricsService.h"
#include "platform/UpDown.h"

#include <algorithm>
#include <cmath>

namespace ov {

namespace {

constexpr int kTextInset = 2; // pixels between the sunken edge and the text

// The byte offset of character `index` of UTF-8 text.
size_t byteOf(std::string_view s, int32_t index) {
    size_t i = 0;
    for (int32_t n = 0; n < index && i < s.size(); ++n) {
        ++i;
        while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80)
            ++i;
    }
    return i;
}

} // namespace

bool EditPainter::paint(const ConstituentControl& c, PixelRect r) {
    if (const auto* box = dynamic_cast<const TextBox*>(&c)) {
        paintTextBox(*box, r);
        return true;
    }
    if (const auto* spin = dynamic_cast<const UpDown*>(&c)) {
        paintUpDown(*spin, r);
        return true;
    }
    return false;
}

void EditPainter::paintTextBox(const TextBox& t, PixelRect r) {
    m_canvas.fill(r, t.BackColor());
    m_canvas.sunkenEdge(r);
    const PixelRect inner = r.inset(2 + kTextInset);
    Canvas::ClipScope clip(m_canvas, r.inset(2));
    const FontRef font = t.Font();
    const OleColor color = t.Enabled() ? t.ForeColor() : sysColor::GrayText;
    const double lineHeight = m_canvas.lineHeight(font);
    auto placeX = [&](double width) {
        if (t.Alignment() == 1) return inner.right() - width;
        if (t.Alignment() == 2) return inner.x + std::floor((inner.w - width) / 2);
        return static_cast<double>(inner.x);
    };
    const std::string text = t.Text();
    if (t.MultiLine()) {
        const TextMetricsService& metrics = Runtime::current().textMetrics();
        const float widthTwips = static_cast<float>(inner.w * m_canvas.twipsPerPixelX());
        double y = inner.y;
        for (const std::string& line : metrics.wrap(font, text, widthTwips)) {
            m_canvas.text(font, line, placeX(m_canvas.textWidth(font, line)), y, color);
            y += lineHeight;
        }
        return;
    }
    const double x = placeX(m_canvas.textWidth(font, text));
    const double y = r.y + std::floor((r.h - lineHeight) / 2);
    m_canvas.text(font, text, x, y, color);
    if (!t.hasFocus()) return;
    const size_t from = byteOf(text, t.SelStart());
    const size_t to = byteOf(text, t.SelStart() + t.SelLength());
    const double selX = x + m_canvas.textWidth(font, std::string_view(text).substr(0, from));
    if (to > from) {
        const std::string_view selected = std::string_view(text).substr(from, to - from);
        const double selW = m_canvas.textWidth(font, selected);
        const PixelRect band{static_cast<int>(std::floor(selX)), static_cast<int>(y),
                             static_cast<int>(std::ceil(selW)), static_cast<int>(std::ceil(lineHeight))};
        m_canvas.fill(band, sysColor::Highlight);
        m_canvas.text(font, selected, selX, y, sysColor::HighlightText);
        return;
    }
    const double caretX =
        x + m_canvas.textWidth(font, std::string_view(text).substr(0, byteOf(text, t.caret())));
    m_canvas.fill({static_cast<int>(std::round(caretX)), static_cast<int>(y), 1,
                   static_cast<int>(std::ceil(lineHeight))},
                  sysColor::WindowText);
}

void EditPainter::paintUpDown(const UpDown& u, PixelRect r) {
    const int upHeight = r.h / 2;
    const PixelRect up{r.x, r.y, r.w, upHeight};
    const PixelRect down{r.x, r.y + upHeight, r.w, r.h - upHeight};
    paintArrowButton(up, true, u.pressed() == UpDown::Button::Up, u.Enabled());
    paintArrowButton(down, false, u.pressed() == UpDown::Button::Down, u.Enabled());
}

void EditPainter::paintArrowButton(PixelRect r, bool up, bool pressed, bool enabled) {
    m_canvas.fill(r, sysColor::ButtonFace);
    if (pressed) {
        m_canvas.outline(r, sysColor::ButtonShadow);
    } else {
        m_canvas.raisedEdge(r);
    }
    // The arrow fits the face: three pixels high in a small button, more in a larger one.
    const int half = std::clamp(std::min(r.w - 6, 2 * (r.h - 6)) / 4, 1, 6);
    const int shift = pressed ? 1 : 0;
    const int cx = r.x + (r.w - 1) / 2 + shift;
    const int cy = r.y + r.h / 2 + shift;
    if (enabled) {
        arrow(cx, cy, half, up, sysColor::ButtonText);
    } else {
        arrow(cx + 1, cy + 1, half, up, sysColor::ButtonHighlight);
        arrow(cx, cy, half, up, sysColor::ButtonShadow);
    }
}

void EditPainter::arrow(int cx, int cy, int half, bool up, OleColor color) {
    // Rows from the tip: the tip is one pixel wide, each row two pixels wider.
    const int rows = half + 1;
    const int top = cy - rows / 2;
    for (int i = 0; i < rows; ++i) {
        const int row = up ? top + i : top + rows - 1 - i;
        m_canvas.fill({cx - i, row, 2 * i + 1, 1}, color);
    }
}

} // namespace ov
