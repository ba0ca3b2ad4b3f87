#pragma once

#include "platform/Forward.h"

namespace ov {

class ImageList;

// The progress panel's three 12 × 12 step icons, drawn here: a blue arrow (running), a grey dash
// (skipped) and a green tick (passed), on a transparent ground. Adds them to `list` as images 1, 2 and
// 3 under the keys "running", "skipped" and "passed".
void addStepStateIcons(ImageList& list);

} // namespace ov
