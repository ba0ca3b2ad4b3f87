#pragma once

#include "platform/Forward.h"

namespace ov {

class ImageList;

// Fills an image list with the option tree's own 16×16 artwork: "CLOSEDFOLDER", "OPENEDFOLDER"
// and "ARROW".
void addOptionTreeImages(ImageList& list);

} // namespace ov
