#include "render/ControlPainter.h"

#include "platform/CommandButton.h"
#include "platform/EmbeddedControl.h"
#include "platform/Extender.h"
#include "platform/Form.h"
#include "platform/Frame.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Line.h"
#include "platform/PictureBox.h"
#include "platform/Shape.h"
#include "platform/TreeView.h"
#include "platform/UserControl.h"
#include "render/ChoicePainter.h"
#include "render/EditPainter.h"
#include "render/ShapePainter.h"
#include "render/TreePainter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace ov {

namespace {

// The cosmetic pen patterns of the classic desktop, in pixels (on, off, ...), by Line BorderStyle.
constexpr std::array<int, 2> kDash{18, 6};
constexpr std::array<int, 2> kDot{3, 3};
constexpr std::array<int, 4> kDashDot{9, 6, 3, 6};
constexpr std::array<int, 6> kDashDotDot{9, 3, 3, 3, 3, 3};

std::span<const int> dashesFor(int16_t style) {
    switch (style) {
    case 2:
        return kDash;
    case 3:
        return kDot;
    case 4:
        return kDashDot;
    case 5:
        return kDashDotDot;
    default:
        return {};
    }
}

constexpr int kFrameCaptionIndent = 8; // pixels from the frame's left edge to its caption
constexpr int kFrameCaptionGap = 2;    // pixels of the ring left out on each side of the caption
constexpr int kFocusInset = 4;         // pixels from a button's bounds to its focus ring

const ConstituentControl* focusedChildOf(const UserControl& owner) {
    if (!owner.isSited()) return nullptr;
    const Form* form = owner.extender().form();
    return form ? form->focusedChild() : nullptr;
}

} // namespace

void ControlPainter::paintChildren(const UserControl& owner, const ConstituentControl* container, int originX,
                                   int originY) {
    for (const ConstituentControl* c : owner.childrenIn(container))
        paint(owner, *c, originX, originY);
}

void ControlPainter::paint(const UserControl& owner, const ConstituentControl& c, int originX, int originY) {
    if (!c.Visible()) return;
    if (const auto* line = dynamic_cast<const Line*>(&c)) {
        paintLine(*line, originX, originY);
        return;
    }
    const PixelRect r = m_canvas.toPixels(originX, originY, c.Left(), c.Top(), c.Width(), c.Height());
    Canvas::ClipScope clip(m_canvas, r);
    PixelRect inner;
    if (const auto* button = dynamic_cast<const CommandButton*>(&c)) {
        paintButton(*button, r);
    } else if (const auto* label = dynamic_cast<const Label*>(&c)) {
        paintLabel(*label, r);
    } else if (const auto* image = dynamic_cast<const Image*>(&c)) {
        m_canvas.picture(image->Picture(), r, image->Stretch());
    } else if (const auto* frame = dynamic_cast<const Frame*>(&c)) {
        inner = paintFrame(*frame, r);
    } else if (const auto* box = dynamic_cast<const PictureBox*>(&c)) {
        inner = paintPictureBox(*box, r);
    } else if (const auto* tree = dynamic_cast<const TreeView*>(&c)) {
        TreePainter(m_canvas).paint(*tree, r);
    } else if (const auto* shape = dynamic_cast<const Shape*>(&c)) {
        paintShape(m_canvas, *shape, r);
    } else if (const auto* held = dynamic_cast<const EmbeddedControl*>(&c)) {
        paintEmbedded(m_canvas, *held, r);
    } else if (!ChoicePainter(m_canvas).paint(c, r)) {
        EditPainter(m_canvas).paint(c, r);
    }
    if (c.holdsControls() && !inner.empty()) {
        Canvas::ClipScope innerClip(m_canvas, inner);
        paintChildren(owner, &c, inner.x, inner.y);
    }
}

bool ControlPainter::looksDefault(const CommandButton& b) const {
    const ConstituentControl* focused = b.owner() ? focusedChildOf(*b.owner()) : nullptr;
    if (focused == &b) return true;
    // Windows moves the default look to a push button while it has the focus.
    const bool otherButtonFocused =
        focused && focused->owner() == b.owner() && dynamic_cast<const CommandButton*>(focused) != nullptr;
    return b.Default() && !otherButtonFocused;
}

void ControlPainter::paintButton(const CommandButton& b, PixelRect r) {
    m_canvas.fill(r, b.BackColor());
    PixelRect bevel = r;
    if (looksDefault(b)) {
        m_canvas.outline(r, sysColor::WindowFrame);
        bevel = r.inset(1);
    }
    m_canvas.raisedEdge(bevel);
    const PixelRect face = bevel.inset(2);
    const std::string caption = b.Caption();
    if (!caption.empty()) {
        const double w = m_canvas.textWidth(b.Font(), caption, true);
        const double h = m_canvas.lineHeight(b.Font());
        const double x = face.x + std::floor((face.w - w) / 2);
        const double y = face.y + std::floor((face.h - h) / 2);
        if (b.Enabled())
            m_canvas.text(b.Font(), caption, x, y, b.ForeColor(), true);
        else
            m_canvas.engravedText(b.Font(), caption, x, y, true);
    }
    if (b.hasFocus()) m_canvas.dottedOutline(r.inset(kFocusInset), sysColor::ButtonText);
}

void ControlPainter::paintLabel(const Label& l, PixelRect r) {
    if (l.BackStyle() == 1) m_canvas.fill(r, l.BackColor());
    PixelRect inner = r;
    if (l.BorderStyle() == 1) {
        m_canvas.edge(r, sysColor::ButtonShadow, sysColor::ButtonHighlight);
        inner = r.inset(1);
    }
    if (l.Caption().empty()) return;
    const double lineHeight = m_canvas.lineHeight(l.Font());
    double y = inner.y;
    for (const std::string& line : l.lines()) {
        const double w = m_canvas.textWidth(l.Font(), line, true);
        double x = inner.x;
        if (l.Alignment() == 1)
            x = inner.right() - w;
        else if (l.Alignment() == 2)
            x = inner.x + std::floor((inner.w - w) / 2);
        if (l.Enabled())
            m_canvas.text(l.Font(), line, x, y, l.ForeColor(), true);
        else
            m_canvas.engravedText(l.Font(), line, x, y, true);
        y += lineHeight;
    }
}

PixelRect ControlPainter::paintFrame(const Frame& f, PixelRect r) {
    m_canvas.fill(r, f.BackColor());
    if (f.BorderStyle() == 0) return r;
    const std::string caption = f.Caption();
    const double lineHeight = m_canvas.lineHeight(f.Font());
    const int ringTop = caption.empty() ? 0 : static_cast<int>(std::floor(lineHeight / 2));
    const PixelRect ring{r.x, r.y + ringTop, r.w, r.h - ringTop};
    // The etched look: a highlight ring one pixel right and down, the shadow ring over it.
    m_canvas.outline({ring.x + 1, ring.y + 1, ring.w - 1, ring.h - 1}, sysColor::ButtonHighlight);
    m_canvas.outline({ring.x, ring.y, ring.w - 1, ring.h - 1}, sysColor::ButtonShadow);
    if (!caption.empty()) {
        const double w = m_canvas.textWidth(f.Font(), caption, true);
        const int textX = r.x + kFrameCaptionIndent;
        m_canvas.fill({textX - kFrameCaptionGap, r.y, static_cast<int>(std::ceil(w)) + 2 * kFrameCaptionGap,
                       static_cast<int>(std::ceil(lineHeight))},
                      f.BackColor());
        if (f.Enabled())
            m_canvas.text(f.Font(), caption, textX, r.y, f.ForeColor(), true);
        else
            m_canvas.engravedText(f.Font(), caption, textX, r.y, true);
    }
    return r;
}

PixelRect ControlPainter::paintPictureBox(const PictureBox& p, PixelRect r) {
    m_canvas.fill(r, p.BackColor());
    PixelRect inner = r;
    if (p.BorderStyle() == 1) {
        m_canvas.sunkenEdge(r);
        inner = r.inset(2);
    }
    Canvas::ClipScope clip(m_canvas, inner);
    m_canvas.picture(p.Picture(), inner, false);
    for (const PictureBox::PrintedText& t : p.printed()) {
        m_canvas.text(t.font, t.text, inner.x + static_cast<double>(t.x) / m_canvas.twipsPerPixelX(),
                      inner.y + static_cast<double>(t.y) / m_canvas.twipsPerPixelY(), t.color);
    }
    return inner;
}

void ControlPainter::paintLine(const Line& l, int originX, int originY) {
    if (l.BorderStyle() == 0) return;
    const int width = std::max<int>(1, l.BorderWidth());
    // Patterned pens exist only one pixel wide; thicker lines are solid.
    const std::span<const int> dashes = width == 1 ? dashesFor(l.BorderStyle()) : std::span<const int>{};
    m_canvas.line(originX + m_canvas.toPixelsX(l.X1()), originY + m_canvas.toPixelsY(l.Y1()),
                  originX + m_canvas.toPixelsX(l.X2()), originY + m_canvas.toPixelsY(l.Y2()), l.BorderColor(),
                  width, dashes);
}

} // namespace ov
