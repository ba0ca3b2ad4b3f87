#include "platform/Image.h"

#include "platform/Picture.h"
#include "platform/Runtime.h"

namespace ov {

const ClassInfo& Image::staticClass() {
    return buildClassInfo<Image>([](ClassInfo& i) { i.published = false; });
}

void Image::describe(ClassBuilder<Image>& b) {
    describeCommon(b, Geometry | Enabling | Mouse | ToolTip);
    b.property("Picture", 0, &Image::Picture).set(&Image::setPicture);
    b.property("Stretch", 0x200, &Image::Stretch, &Image::setStretch);
}

Image::Image() {
    storeBounds(0, 0, 975, 975);
}

void Image::setPicture(PictureRef v) {
    m_picture = std::move(v);
    fitPicture();
}

void Image::setStretch(bool v) {
    m_stretch = v;
    fitPicture();
}

void Image::fitPicture() {
    if (m_stretch || !m_picture) return;
    const Runtime& rt = Runtime::current();
    Move(Left(), Top(),
         static_cast<float>(m_picture->widthPixels()) * static_cast<float>(rt.twipsPerPixelX()),
         static_cast<float>(m_picture->heightPixels()) * static_cast<float>(rt.twipsPerPixelY()));
}

} // namespace ov
