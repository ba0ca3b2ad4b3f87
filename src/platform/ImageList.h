#pragma once

#include "platform/ConstituentControl.h"
#include "platform/Forward.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace ov {

// A list of pictures found by key (letter case ignored), as the platform's image list keeps the
// images a tree view shows. It is never drawn and never receives input; a TreeView bound to it
// resolves its nodes' image keys here. An unknown key is failure 35601, a key used twice 35602, an
// empty key or a missing picture 380.
class ImageList : public ConstituentControl {
    OV_OBJECT(ImageList)
public:
    ImageList();

    void Add(const std::string& Key, const PictureRef& Picture);
    PictureRef Picture(const std::string& Key) const;
    bool contains(const std::string& key) const;
    int32_t Count() const { return static_cast<int32_t>(m_keys.size()); }
    // The keys in the order they were added.
    const std::vector<std::string>& keys() const { return m_keys; }
    // Width and height of the images in pixels (the first image's size; 16 while empty).
    int32_t ImageWidth() const;
    int32_t ImageHeight() const;

    bool receivesMouse() const override { return false; }

    static void describe(ClassBuilder<ImageList>& b);

private:
    std::vector<std::string> m_keys;
    std::unordered_map<std::string, PictureRef, NoCaseHash, NoCaseEqual> m_pictures;
};

} // namespace ov
