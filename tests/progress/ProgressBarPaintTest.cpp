#include "platform/Extender.h"
#include "platform/Font.h"
#include "progress/OvProgressBar.h"
#include "render/RenderFixture.h"

#include <string>

namespace ovtest {
namespace {

using namespace ov;

// Text pixels by colour: the bar's own text is black, the fill's white. Over the fill (10, 36, 106) a
// pixel is light text when it is much redder than the highlight; over the face (212, 208, 200) when it
// is whiter than the face. Dark is near black on either ground.
bool isDark(Rgb c) {
    return c.r < 60 && c.g < 60 && c.b < 60;
}
bool isLight(Rgb c, bool overFill) {
    return overFill ? c.r > 150 : c.r > 235 && c.g > 235 && c.b > 235;
}

// A bar 285 × 25 pixels at (5, 5) on the white form, its caption long enough to cross the fill's edge
// in every alignment.
class ProgressBarPaintTest : public RenderFixture {
protected:
    std::shared_ptr<OvProgressBar> bar;
    const std::string caption = "Copying the files of the setup, 45% completed";

    void SetUp() override {
        RenderFixture::SetUp();
        ExtenderRef ext = form->add("OvComCtl.OvProgressBar", "Bar");
        ext->Move(px(5), px(5));
        bar = ext->controlAs<OvProgressBar>();
        bar->setDisplayFont(Font::create("Arial", 8.25f));
    }

    struct Counts {
        int darkOverFill = 0, lightOverFill = 0, darkOverFace = 0, lightOverFace = 0, fill = 0;
    };
    // Walks the bar's inner area (inside the two-pixel edge) and sorts text pixels by whether they lie
    // over the fill, found from the highlight pixels of each row.
    Counts count(const Bitmap& b) const {
        Counts c;
        const Rgb highlight = rgbOf(sysColor::Highlight);
        // The fill's columns from its top row (above the text), its rows from its first column (left of
        // the text's inset).
        const Ink columns = inkOf(b, 7, 8, 281, 1, highlight);
        const Ink rows = columns.count ? inkOf(b, columns.left, 7, 1, 21, highlight) : Ink{};
        for (int y = 7; y < 5 + 23; ++y) {
            for (int x = 7; x < 5 + 283; ++x) {
                const Rgb p = b.pixel(x, y);
                if (p == highlight) ++c.fill;
                const bool overFill =
                    x >= columns.left && x < columns.right && y >= rows.top && y < rows.bottom;
                if (isDark(p)) ++(overFill ? c.darkOverFill : c.darkOverFace);
                if (isLight(p, overFill)) ++(overFill ? c.lightOverFill : c.lightOverFace);
            }
        }
        return c;
    }
};

TEST_F(ProgressBarPaintTest, TheCaptionIsTwoColouredWhereverTheFillEnds) {
    for (int32_t align : {0, 1, 2}) {
        for (int32_t value : {0, 45, 100}) {
            SCOPED_TRACE("align " + std::to_string(align) + ", value " + std::to_string(value));
            bar->setAlign(static_cast<CaptionAlign>(align));
            bar->setValue(value);
            bar->setCaption(caption);
            const Counts c = count(render());
            EXPECT_EQ(c.darkOverFill, 0) << "no bar-coloured text over the fill";
            EXPECT_EQ(c.lightOverFace, 0) << "no fill-coloured text off the fill";
            if (value == 0) {
                EXPECT_EQ(c.fill, 0) << "the fill shows from 1";
                EXPECT_GT(c.darkOverFace, 40);
            } else if (value == 45) {
                EXPECT_GT(c.lightOverFill, 40);
                EXPECT_GT(c.darkOverFace, 40);
            } else {
                EXPECT_GT(c.lightOverFill, 80);
                EXPECT_EQ(c.darkOverFace, 0) << "the text lies wholly over a full bar";
            }
        }
    }
}

} // namespace
} // namespace ovtest
