#include "platform/TabOrder.h"

#include "platform/ConstituentControl.h"
#include "platform/Extender.h"
#include "platform/Form.h"
#include "platform/UserControl.h"

#include <algorithm>
#include <vector>

namespace ov {

namespace {

struct Stop {
    Extender* control;
    ConstituentControl* child; // null: the surface
    bool operator==(const Stop&) const = default;
};

std::vector<Stop> stopsOf(const Form& form) {
    std::vector<Stop> stops;
    for (const ExtenderRef& ext : form.controls()) {
        if (!ext->TabStop() || !canReach(*ext)) continue;
        std::vector<ConstituentControl*> children;
        for (const auto& c : ext->control().children()) {
            if (c->canTakeFocus() && c->TabStop() && c->effectivelyVisible() && c->effectivelyEnabled())
                children.push_back(c.get());
        }
        std::stable_sort(children.begin(), children.end(),
                         [](const ConstituentControl* a, const ConstituentControl* b) {
                             return a->TabIndex() < b->TabIndex();
                         });
        for (ConstituentControl* c : children)
            stops.push_back({ext.get(), c});
        if (children.empty() && ext->control().CanGetFocus()) stops.push_back({ext.get(), nullptr});
    }
    return stops;
}

} // namespace

bool canReach(const Extender& ext) {
    if (!ext.effectivelyVisible()) return false;
    for (const Extender* e = &ext; e; e = e->containerControl()) {
        if (!e->control().Enabled()) return false;
    }
    return true;
}

bool canClickFocus(const Extender& control, const ConstituentControl* child) {
    if (!canReach(control)) return false;
    if (child)
        return child->owner() == &control.control() && child->canTakeFocus() && child->effectivelyVisible() &&
               child->effectivelyEnabled();
    if (!control.control().CanGetFocus()) return false;
    for (const auto& c : control.control().children()) {
        if (c->canTakeFocus()) return false;
    }
    return true;
}

bool moveFocus(Form& form, bool backwards) {
    const std::vector<Stop> stops = stopsOf(form);
    if (stops.empty()) return false;
    const Stop current{form.activeControl(), form.focusedChild()};
    const auto at = std::find(stops.begin(), stops.end(), current);
    const size_t n = stops.size();
    size_t next;
    if (at == stops.end()) {
        next = backwards ? n - 1 : 0;
    } else {
        if (n == 1) return false;
        const size_t i = static_cast<size_t>(at - stops.begin());
        next = backwards ? (i + n - 1) % n : (i + 1) % n;
    }
    form.focus(*stops[next].control, stops[next].child);
    return true;
}

} // namespace ov
