#pragma once

#include "platform/ConstituentControl.h"
#include "platform/Picture.h"

namespace ov {

// An image control. Without Stretch it takes the size of its picture (the picture's pixels times the
// screen's twips per pixel) whenever the picture is set or Stretch is switched off; with Stretch the
// picture is drawn to the control's own size. With no picture the size stays as it is.
class Image : public ConstituentControl {
    OV_OBJECT(Image)
public:
    Image();

    PictureRef Picture() const { return m_picture; }
    void setPicture(PictureRef v);
    bool Stretch() const { return m_stretch; }
    void setStretch(bool v);

    static void describe(ClassBuilder<Image>& b);

private:
    void fitPicture();

    PictureRef m_picture;
    bool m_stretch = false;
};

} // namespace ov
