#pragma once

#include "platform/Forward.h"

#include <cairo.h>
#include <memory>
#include <unordered_map>

namespace ov {

// Decoded pictures for the renderer: a picture's PNG bytes are decoded once (cairo) and kept while the
// picture lives, so that painting the same form again does not decode again.
class PictureCache {
public:
    PictureCache() = default;
    ~PictureCache();
    PictureCache(const PictureCache&) = delete;
    PictureCache& operator=(const PictureCache&) = delete;

    // The pixels of `picture`, or null when there is none or its bytes do not decode. Failure 7 when
    // the picture's header declares more than Renderer::kMaxPicturePixels pixels (nothing is decoded).
    // The surface belongs to the cache and stays valid until the next prune().
    cairo_surface_t* surface(const PictureRef& picture);
    // Forgets the pictures nobody holds any more.
    void prune();
    size_t size() const { return m_entries.size(); }

private:
    struct Entry {
        std::weak_ptr<const Picture> picture;
        cairo_surface_t* surface = nullptr; // null: the bytes did not decode
    };
    static cairo_surface_t* decode(const Picture& picture);

    std::unordered_map<const Picture*, Entry> m_entries;
};

} // namespace ov
