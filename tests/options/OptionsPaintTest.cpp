// The options dialog as drawn: the tree's selected row, images and expand boxes where the model
// places them, and the page on show.
#include "OptionsFixture.h"
#include "render/RenderFixture.h"

#include <algorithm>

using namespace ov;

namespace {

struct PixelRect {
    int x, y, w, h;
};
int countOf(const Bitmap& b, PixelRect r, Rgb c) {
    return ovtest::countIn(b, r.x, r.y, r.w, r.h, c);
}
int darkIn(const Bitmap& b, PixelRect r) {
    return ovtest::darkIn(b, r.x, r.y, r.w, r.h);
}

class OptionsPaintTest : public ovtest::OptionsFixture {
protected:
    Renderer renderer;

    // The pixel rectangle of a node's label (or image) in the rendered form's client area.
    PixelRect rowPart(const std::string& key, bool image) {
        TreeView& t = tree();
        Node& n = node(key);
        const auto rows = t.visibleRows();
        const int row = static_cast<int>(std::find(rows.begin(), rows.end(), &n) - rows.begin());
        const int x = static_cast<int>((t.Left() + (image ? t.imageLeft(n) : t.labelLeft(n))) / 15);
        const int y = static_cast<int>(t.Top() / 15) + 2 + row * TreeView::kRowPixels;
        return {x, y, image ? 16 : 30, TreeView::kRowPixels};
    }
    int count(const Bitmap& b, PixelRect r, OleColor c) { return countOf(b, r, resolveColor(c)); }
};

TEST_F(OptionsPaintTest, TheSelectedRowIsGreyWithoutFocusAndHighlightedWithIt) {
    build();
    const PixelRect view = rowPart("_GENERAL\\VIEW", false);
    Bitmap b = renderer.render(*form);
    EXPECT_GT(count(b, view, sysColor::ButtonFace), 100);
    EXPECT_EQ(count(b, view, sysColor::Highlight), 0);
    form->focus(*options, &tree());
    b = renderer.render(*form);
    EXPECT_GT(count(b, view, sysColor::Highlight), 100);
    EXPECT_EQ(count(b, rowPart("_GENERAL\\FONTS", false), sysColor::Highlight), 0);
}

TEST_F(OptionsPaintTest, ImagesAndBoxesFollowTheModel) {
    build();
    auto green = [&](const Bitmap& b, const std::string& key) {
        return countOf(b, rowPart(key, true), Rgb{0x2E, 0x9E, 0x3E});
    };
    Bitmap b = renderer.render(*form);
    EXPECT_GT(green(b, "_GENERAL\\VIEW"), 10); // the arrow
    EXPECT_EQ(green(b, "_GENERAL\\FONTS"), 0);
    click("_GENERAL\\FONTS");
    b = renderer.render(*form);
    EXPECT_EQ(green(b, "_GENERAL\\VIEW"), 0);
    EXPECT_GT(green(b, "_GENERAL\\FONTS"), 10);
    // Advanced's box shows "+": a dark vertical stroke through its centre.
    Node& advanced = node("_ADVANCED");
    const PixelRect row = rowPart("_ADVANCED", true);
    const int cx = static_cast<int>((tree().Left() + tree().boxLeft(advanced)) / 15) + 4;
    EXPECT_GE(darkIn(b, {cx, row.y + 6, 1, 6}), 4);
    advanced.setExpanded(true);
    b = renderer.render(*form);
    EXPECT_LE(darkIn(b, {cx, row.y + 6, 1, 2}), 0);
}

} // namespace
