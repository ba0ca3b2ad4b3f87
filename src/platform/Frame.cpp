#include "platform/Frame.h"

namespace ov {

const ClassInfo& Frame::staticClass() {
    return buildClassInfo<Frame>([](ClassInfo& i) { i.published = false; });
}

void Frame::describe(ClassBuilder<Frame>& b) {
    describeCommon(b, Geometry | Enabling | Text | Back | Mouse | ToolTip);
    b.property("Caption", -518, &Frame::Caption, &Frame::setCaption);
    b.property("BorderStyle", -504, &Frame::BorderStyle, &Frame::setBorderStyle);
}

Frame::Frame() {
    storeBounds(0, 0, 1815, 1215);
}

void Frame::setBorderStyle(int16_t v) {
    if (v != 0 && v != 1) {
        throw Failure(err::InvalidPropertyValue, failureText(err::InvalidPropertyValue) + " (" + Name() +
                                                     ": BorderStyle must be 0 or 1)");
    }
    m_borderStyle = v;
}

} // namespace ov
