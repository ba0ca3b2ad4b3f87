#include "platform/Label.h"

#include "platform/Runtime.h"

namespace ov {

namespace {

void checkRange(const ConstituentControl& c, const char* what, int16_t v, int16_t hi) {
    if (v < 0 || v > hi) {
        throw Failure(err::InvalidPropertyValue, failureText(err::InvalidPropertyValue) + " (" + c.Name() +
                                                     ": " + what + " must be 0 to " + std::to_string(hi) +
                                                     ")");
    }
}

} // namespace

const ClassInfo& Label::staticClass() {
    return buildClassInfo<Label>([](ClassInfo& i) { i.published = false; });
}

void Label::describe(ClassBuilder<Label>& b) {
    describeCommon(b, Geometry | Enabling | Text | Back | Mouse | ToolTip);
    b.property("Caption", 0, &Label::Caption, &Label::setCaption);
    b.property("AutoSize", -500, &Label::AutoSize, &Label::setAutoSize);
    b.property("WordWrap", 0x200, &Label::WordWrap, &Label::setWordWrap);
    b.property("Alignment", 0x201, &Label::Alignment, &Label::setAlignment);
    b.property("BackStyle", 0x202, &Label::BackStyle, &Label::setBackStyle);
    b.property("BorderStyle", -504, &Label::BorderStyle, &Label::setBorderStyle);
    b.property("MousePointer", -521, &Label::MousePointer, &Label::setMousePointer);
    b.property("MouseIcon", -522, &Label::MouseIcon).set(&Label::setMouseIcon);
}

Label::Label() {
    storeBounds(0, 0, 1215, 255);
}

void Label::setCaption(const std::string& v) {
    m_caption = v;
    fit();
}

void Label::setAutoSize(bool v) {
    m_autoSize = v;
    fit();
}

void Label::setWordWrap(bool v) {
    m_wordWrap = v;
    fit();
}

void Label::setAlignment(int16_t v) {
    checkRange(*this, "Alignment", v, 2);
    m_alignment = v;
}

void Label::setBackStyle(int16_t v) {
    checkRange(*this, "BackStyle", v, 1);
    m_backStyle = v;
}

void Label::setBorderStyle(int16_t v) {
    checkRange(*this, "BorderStyle", v, 1);
    m_borderStyle = v;
}

void Label::setMousePointer(int16_t v) {
    if (v != 99) checkRange(*this, "MousePointer", v, 15);
    m_mousePointer = v;
}

std::vector<std::string> Label::lines() const {
    const TextMetricsService& metrics = Runtime::current().textMetrics();
    if (m_wordWrap) return metrics.wrap(Font(), m_caption, Width());
    std::vector<std::string> out;
    for (auto line : TextMetricsService::splitLines(m_caption))
        out.emplace_back(line);
    return out;
}

void Label::boundsChanged(float, float, float oldWidth, float) {
    if (m_wordWrap && Width() != oldWidth) fit();
}

void Label::fit() {
    if (m_autoSize) deferSize();
}

void Label::fitDeferredSize() {
    if (!m_autoSize) return;
    const TextMetricsService& metrics = Runtime::current().textMetrics();
    float width = m_wordWrap ? Width() : metrics.textWidth(Font(), m_caption);
    float height = static_cast<float>(lines().size()) * metrics.lineHeight(Font());
    // Stored directly: the new size comes from the text, so it must not start another fit.
    storeBounds(Left(), Top(), width, height);
}

} // namespace ov
