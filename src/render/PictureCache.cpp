#include "render/PictureCache.h"

#include "platform/Failure.h"
#include "platform/Picture.h"
#include "render/Renderer.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace ov {

namespace {

struct Reader {
    const std::string& bytes;
    size_t pos = 0;
};

cairo_status_t readBytes(void* closure, unsigned char* data, unsigned int length) {
    auto* r = static_cast<Reader*>(closure);
    if (r->bytes.size() - r->pos < length) return CAIRO_STATUS_READ_ERROR;
    std::memcpy(data, r->bytes.data() + r->pos, length);
    r->pos += length;
    return CAIRO_STATUS_SUCCESS;
}

} // namespace

PictureCache::~PictureCache() {
    for (auto& [key, entry] : m_entries) {
        if (entry.surface) cairo_surface_destroy(entry.surface);
    }
}

cairo_surface_t* PictureCache::decode(const Picture& picture) {
    // The size the picture's PNG header declares is what decoding would allocate (four bytes a pixel),
    // so it is judged before a byte is decoded.
    const int64_t pixels = int64_t{picture.widthPixels()} * picture.heightPixels();
    if (pixels > Renderer::kMaxPicturePixels) {
        throw Failure(err::OutOfMemory, failureText(err::OutOfMemory) + " (a picture of " +
                                            std::to_string(picture.widthPixels()) + " x " +
                                            std::to_string(picture.heightPixels()) + " pixels is more than " +
                                            std::to_string(Renderer::kMaxPicturePixels) + " pixels)");
    }
    Reader reader{picture.bytes()};
    cairo_surface_t* s = cairo_image_surface_create_from_png_stream(readBytes, &reader);
    // A broken stream gives an error surface rather than null; it draws nothing, so it is dropped.
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS || cairo_image_surface_get_width(s) <= 0 ||
        cairo_image_surface_get_height(s) <= 0) {
        cairo_surface_destroy(s);
        return nullptr;
    }
    return s;
}

cairo_surface_t* PictureCache::surface(const PictureRef& picture) {
    if (!picture) return nullptr;
    auto it = m_entries.find(picture.get());
    if (it != m_entries.end()) {
        // The same address may hold a newer picture once the old one is gone.
        if (it->second.picture.lock() == picture) return it->second.surface;
        if (it->second.surface) cairo_surface_destroy(it->second.surface);
        m_entries.erase(it);
    }
    Entry entry{picture, decode(*picture)};
    m_entries.emplace(picture.get(), entry);
    return entry.surface;
}

void PictureCache::prune() {
    for (auto it = m_entries.begin(); it != m_entries.end();) {
        if (it->second.picture.expired()) {
            if (it->second.surface) cairo_surface_destroy(it->second.surface);
            it = m_entries.erase(it);
        } else {
            ++it;
        }
    }
}

} // namespace ov
