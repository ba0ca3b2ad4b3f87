#include "platform/UpDown.h"

#include "platform/Failure.h"

#include <algorithm>

namespace ov {

namespace {

[[noreturn]] void invalid(const UpDown& c, const std::string& what) {
    throw Failure(err::InvalidPropertyValue,
                  failureText(err::InvalidPropertyValue) + " (" + c.Name() + ": " + what + ")");
}

} // namespace

const ClassInfo& UpDown::staticClass() {
    return buildClassInfo<UpDown>([](ClassInfo& i) { i.published = false; });
}

void UpDown::describe(ClassBuilder<UpDown>& b) {
    describeCommon(b, Geometry | Enabling | Mouse | ToolTip);
    b.property("Value", 0, &UpDown::Value, &UpDown::setValue);
    b.property("Increment", 5, &UpDown::Increment, &UpDown::setIncrement);
    b.property("Max", 6, &UpDown::Max, &UpDown::setMax);
    b.property("Min", 7, &UpDown::Min, &UpDown::setMin);
    b.property("Wrap", 10, &UpDown::Wrap, &UpDown::setWrap);
    b.event("Change", 0x210, &UpDown::Change, {});
    b.event("UpClick", 0x211, &UpDown::UpClick, {});
    b.event("DownClick", 0x212, &UpDown::DownClick, {});
}

UpDown::UpDown() {
    storeBounds(0, 0, 240, 315);
    // Connected first, so the button has stepped before anyone else hears the mouse.
    m_down = MouseDown().connect([this](int16_t& button, int16_t&, float& x, float& y) {
        if (button == 1) press(buttonAt(x, y));
    });
    m_up = MouseUp().connect([this](int16_t&, int16_t&, float&, float&) { m_pressed = Button::None; });
}

void UpDown::setValue(int32_t v) {
    if (v < std::min(m_min, m_max) || v > std::max(m_min, m_max)) {
        invalid(*this, "Value " + std::to_string(v) + " is outside " + std::to_string(m_min) + " to " +
                           std::to_string(m_max));
    }
    store(v);
}

void UpDown::setMin(int32_t v) {
    m_min = v;
    store(std::clamp(m_value, std::min(m_min, m_max), std::max(m_min, m_max)));
}

void UpDown::setMax(int32_t v) {
    m_max = v;
    store(std::clamp(m_value, std::min(m_min, m_max), std::max(m_min, m_max)));
}

void UpDown::setIncrement(int32_t v) {
    if (v < 0) invalid(*this, "Increment cannot be negative");
    m_increment = v;
}

UpDown::Button UpDown::buttonAt(float x, float y) const {
    if (x < 0 || y < 0 || x >= Width() || y >= Height()) return Button::None;
    return y < Height() / 2 ? Button::Up : Button::Down;
}

void UpDown::store(int32_t v) {
    if (v == m_value) return;
    m_value = v;
    Change();
}

void UpDown::press(Button b) {
    m_pressed = b;
    if (b == Button::None) return;
    // "Up" moves towards Max even when Max is the smaller end; 64 bits so that a step cannot overflow.
    const int64_t toward = b == Button::Up ? m_max : m_min;
    const int64_t away = b == Button::Up ? m_min : m_max;
    const int64_t step = toward >= away ? m_increment : -static_cast<int64_t>(m_increment);
    const int64_t next = m_value + step;
    const bool past = toward >= away ? next > toward : next < toward;
    store(static_cast<int32_t>(!past ? next : m_wrap ? away : toward));
    b == Button::Up ? UpClick() : DownClick();
}

} // namespace ov
