#include "gtk/HitTest.h"

#include "platform/EmbeddedControl.h"
#include "platform/Extender.h"
#include "platform/Form.h"
#include "platform/Frame.h"
#include "platform/PictureBox.h"
#include "platform/UserControl.h"

#include <algorithm>
#include <cmath>

namespace ov::gtk {

namespace {

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    bool contains(double px, double py) const { return px >= x && py >= y && px < x + w && py < y + h; }
    Rect inset(int n) const { return {x + n, y + n, std::max(0, w - 2 * n), std::max(0, h - 2 * n)}; }
};

// The same rounding as the renderer's, so that what is hit is what is drawn at that pixel.
class Geometry {
public:
    Geometry(int32_t tppX, int32_t tppY) : m_tppX(std::max(1, tppX)), m_tppY(std::max(1, tppY)) {}

    Rect place(int originX, int originY, float left, float top, float width, float height) const {
        return {originX + px(left, m_tppX), originY + px(top, m_tppY), std::max(0, px(width, m_tppX)),
                std::max(0, px(height, m_tppY))};
    }
    float twipsX(double pixels) const { return static_cast<float>(pixels * m_tppX); }
    float twipsY(double pixels) const { return static_cast<float>(pixels * m_tppY); }

private:
    static int px(float twips, int32_t tpp) {
        return static_cast<int>(std::lround(std::clamp(static_cast<double>(twips) / tpp, -2.0e6, 2.0e6)));
    }
    int32_t m_tppX, m_tppY;
};

class Search {
public:
    Search(const Form& form, double px, double py, Geometry g) : m_form(form), m_px(px), m_py(py), m_g(g) {}

    // Controls directly inside `container` (null: the form), front to back.
    bool inControls(const Extender* container, int originX, int originY) {
        const auto& order = m_form.zOrder();
        for (auto it = order.rbegin(); it != order.rend(); ++it) {
            Extender* ext = *it;
            if (ext->containerControl() != container || !ext->Visible()) continue;
            const Rect r = m_g.place(originX, originY, ext->Left(), ext->Top(), ext->Width(), ext->Height());
            if (!r.contains(m_px, m_py)) continue;
            const Rect inner = ext->control().BorderStyle() == 1 ? r.inset(2) : r;
            m_hit = {ext, nullptr, m_g.twipsX(m_px - inner.x), m_g.twipsY(m_py - inner.y)};
            if (inner.contains(m_px, m_py) && !inControls(ext, inner.x, inner.y))
                inChildren(ext->control(), nullptr, inner.x, inner.y);
            return true;
        }
        return false;
    }

    Hit hit() const { return m_hit; }

private:
    // Constituent controls of `owner` directly inside `container` (null: the surface), front to back.
    bool inChildren(const UserControl& owner, const ConstituentControl* container, int originX, int originY) {
        const auto children = owner.childrenIn(container);
        for (auto it = children.rbegin(); it != children.rend(); ++it) {
            ConstituentControl* c = *it;
            if (!c->Visible() || !c->receivesMouse()) continue;
            const Rect r = m_g.place(originX, originY, c->Left(), c->Top(), c->Width(), c->Height());
            if (!r.contains(m_px, m_py)) continue;
            m_hit.child = c;
            m_hit.x = m_g.twipsX(m_px - r.x);
            m_hit.y = m_g.twipsY(m_py - r.y);
            Rect inner = r;
            if (auto* box = dynamic_cast<const PictureBox*>(c); box && box->BorderStyle() == 1)
                inner = r.inset(2);
            if (c->holdsControls() && inner.contains(m_px, m_py)) inChildren(owner, c, inner.x, inner.y);
            if (auto* held = dynamic_cast<const EmbeddedControl*>(c); held && held->control()) {
                const UserControl& inside = *held->control();
                const Rect surface = inside.BorderStyle() == 1 ? r.inset(2) : r;
                if (surface.contains(m_px, m_py)) inChildren(inside, nullptr, surface.x, surface.y);
            }
            return true;
        }
        return false;
    }

    const Form& m_form;
    double m_px, m_py;
    Geometry m_g;
    Hit m_hit;
};

} // namespace

Hit hitTest(const Form& form, double px, double py, int32_t twipsPerPixelX, int32_t twipsPerPixelY) {
    Search search(form, px, py, Geometry(twipsPerPixelX, twipsPerPixelY));
    search.inControls(nullptr, 0, 0);
    return search.hit();
}

} // namespace ov::gtk
