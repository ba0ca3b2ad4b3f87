#include "platform/Extender.h"
#include "progress/OvProgressInfo.h"
#include "render/RenderFixture.h"

namespace ovtest {
namespace {

using namespace ov;

// The panel at the form's corner: step line i has its 12-pixel icon at (80, 52 + 16 i) and its text
// from x = 104 on the same top.
class ProgressInfoPaintTest : public RenderFixture {};

TEST_F(ProgressInfoPaintTest, StepIconsShowTheirStateAndARunningStepIsBold) {
    ExtenderRef panel = form->add("OvComCtl.OvProgressInfo", "Progress");
    const STATES states[] = {STATES::ST_RUNNING, STATES::ST_PASSED, STATES::ST_SKIPPED, STATES::ST_NONE};
    for (int32_t i = 0; i < 4; ++i) {
        panel->let("StepDescription" + std::to_string(i), "Copying the files");
        panel->let("StepState", static_cast<int32_t>(states[i]), {Variant(i)});
    }
    const Bitmap b = render();

    // Each icon place holds its own colour and none of the others'; the empty place holds none.
    const Rgb colours[] = {
        {0x2F, 0x6F, 0xD8}, {0x3C, 0xB0, 0x3C}, {0xA8, 0xA8, 0xA8}}; // running, passed, skipped
    for (int i = 0; i < 4; ++i) {
        for (int c = 0; c < 3; ++c) {
            const int n = countIn(b, 80, 52 + 16 * i, 12, 12, colours[c]);
            if (c == i)
                EXPECT_GE(n, 8) << "step " << i << " shows its icon";
            else
                EXPECT_EQ(n, 0) << "step " << i << ", colour " << c;
        }
    }
    // The same text, bold on the running line only: more ink there than on any other.
    const int running = darkIn(b, 104, 52, 180, 13);
    for (int i = 1; i < 4; ++i)
        EXPECT_GT(running, darkIn(b, 104, 52 + 16 * i, 180, 13) * 6 / 5) << "step " << i;
}

} // namespace
} // namespace ovtest
