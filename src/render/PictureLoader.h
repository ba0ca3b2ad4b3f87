#pragma once

#include "platform/Forward.h"

#include <string>
#include <string_view>

namespace ov {

// Pictures from the image files a host usually has. The platform keeps every picture as PNG; these
// functions decode JPEG (with libjpeg) and keep the result as PNG through Picture::fromPixels, which is
// why they live in the renderer library rather than in the platform.

// A picture from a PNG or JPEG file, told apart by content, not by name. Failure 53 when the file does
// not exist, 481 ("Invalid picture") when it is neither or is broken.
PictureRef loadPicture(const std::string& path);

// A picture from JPEG bytes: baseline or progressive, colour or greyscale (CMYK JPEGs are refused), at
// most kMaxJpegPixels pixels; the EXIF orientation is not applied. Failure 481 otherwise, with
// libjpeg's reason in the description.
PictureRef pictureFromJpeg(std::string_view bytes);

inline constexpr long long kMaxJpegPixels = 64LL * 1024 * 1024;

} // namespace ov
