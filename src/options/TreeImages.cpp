#include "options/TreeImages.h"

#include "platform/ImageList.h"
#include "platform/Picture.h"
#include "platform/PngEncoder.h"

#include <array>
#include <cstdint>
#include <vector>

namespace ov {

namespace {

// Each picture is drawn as 16 rows of 16 letters; each letter picks a colour of the palette.
using Drawing = std::array<const char*, 16>;

constexpr Drawing kClosedFolder = {
    "................", "................", "..kkkkk.........", ".kyyyyyk........",
    ".kyyyyyykkkkkkk.", ".kyyyyyyyyyyyyko", ".kyyyyyyyyyyyyko", ".kyyyyyyyyyyyyko",
    ".kyyyyyyyyyyyyko", ".kyyyyyyyyyyyyko", ".kyyyyyyyyyyyyko", ".kyyyyyyyyyyyyko",
    ".kyyyyyyyyyyyyko", ".kkkkkkkkkkkkkko", "..oooooooooooooo", "................"};

constexpr Drawing kOpenedFolder = {
    "................", "................", "..kkkkk.........", ".kyyyyyk........",
    ".kyyyyyykkkkkk..", ".kyyyyyyyyyyyk..", ".kyykkkkkkkkkkkk", ".kyklllllllllllk",
    ".kyklllllllllllk", ".kklllllllllllk.", ".kklllllllllllk.", ".kllllllllllllk.",
    ".kllllllllllllk.", ".kkkkkkkkkkkkkk.", "................", "................"};

constexpr Drawing kArrow = {"................", "................", "................", "................",
                            ".......k........", ".......kk.......", ".......kgk......", "..kkkkkkggk.....",
                            "..kggggggggk....", "..kggggggggk....", "..kkkkkkggk.....", ".......kgk......",
                            ".......kk.......", ".......k........", "................", "................"};

std::array<uint8_t, 4> colour(char c) {
    switch (c) {
    case 'k':
        return {0x80, 0x60, 0x10, 0xFF}; // outline
    case 'y':
        return {0xF2, 0xD0, 0x6B, 0xFF}; // folder body
    case 'l':
        return {0xFB, 0xE8, 0xA6, 0xFF}; // open folder's front, lit
    case 'o':
        return {0xA0, 0xA0, 0xA0, 0x90}; // shadow
    case 'g':
        return {0x2E, 0x9E, 0x3E, 0xFF}; // arrow
    default:
        return {0, 0, 0, 0};
    }
}

PictureRef draw(const Drawing& d) {
    std::vector<uint8_t> pixels;
    pixels.reserve(16 * 16 * 4);
    for (const char* row : d) {
        for (int x = 0; x < 16; ++x) {
            auto c = colour(row[x]);
            pixels.insert(pixels.end(), c.begin(), c.end());
        }
    }
    return Picture::fromPixels(16, 16, PixelFormat::Rgba32, pixels);
}

} // namespace

void addOptionTreeImages(ImageList& list) {
    // Drawn for each list, not kept in statics: a live picture would keep the library from unloading
    // (Object::liveCount) and would be shared by the objects of every thread.
    list.Add("CLOSEDFOLDER", draw(kClosedFolder));
    list.Add("OPENEDFOLDER", draw(kOpenedFolder));
    list.Add("ARROW", draw(kArrow));
}

} // namespace ov
