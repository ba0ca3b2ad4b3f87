#include "platform/ImageList.h"

#include "platform/Picture.h"

namespace ov {

const ClassInfo& ImageList::staticClass() {
    return buildClassInfo<ImageList>([](ClassInfo& i) { i.published = false; });
}

void ImageList::describe(ClassBuilder<ImageList>& b) {
    using T = ImageList;
    describeCommon(b, 0);
    b.method("Add", 0x200, &T::Add, {"Key", "Picture"});
    b.method("Picture", 0x201, &T::Picture, {"Key"});
    b.property("Count", 0x202, &T::Count);
    b.property("ImageWidth", 0x203, &T::ImageWidth);
    b.property("ImageHeight", 0x204, &T::ImageHeight);
}

// An image list is a component, not something drawn: it is hidden from the start.
ImageList::ImageList() {
    setVisible(false);
}

void ImageList::Add(const std::string& Key, const PictureRef& Picture) {
    if (Key.empty() || !Picture) throw Failure(err::InvalidPropertyValue);
    if (m_pictures.contains(Key))
        throw Failure(err::KeyNotUnique, failureText(err::KeyNotUnique) + " (" + shown(Key) + ")");
    m_pictures.emplace(Key, Picture);
    m_keys.push_back(Key);
}

PictureRef ImageList::Picture(const std::string& Key) const {
    auto it = m_pictures.find(Key);
    if (it == m_pictures.end())
        throw Failure(err::ElementNotFound,
                      failureText(err::ElementNotFound) + " (image " + shown(Key) + ")");
    return it->second;
}

bool ImageList::contains(const std::string& key) const {
    return m_pictures.contains(key);
}

int32_t ImageList::ImageWidth() const {
    return m_keys.empty() ? 16 : m_pictures.at(m_keys.front())->widthPixels();
}

int32_t ImageList::ImageHeight() const {
    return m_keys.empty() ? 16 : m_pictures.at(m_keys.front())->heightPixels();
}

} // namespace ov
