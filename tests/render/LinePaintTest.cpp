#include "platform/Line.h"
#include "render/RenderFixture.h"

#include <string>

namespace ovtest {
namespace {

using namespace ov;

// A white sketch at (0, 0) filling the form; lines are drawn on it in black.
class LinePaintTest : public WhiteHostFixture {
protected:
    Line& line(int x1, int y1, int x2, int y2, int16_t style = 1, int16_t width = 1) {
        auto& l = sketch->addChild<Line>("L" + std::to_string(sketch->children().size()));
        l.setEnds(px(x1), px(y1), px(x2), px(y2));
        l.setBorderColor(rgb(0, 0, 0));
        l.setBorderStyle(style);
        l.setBorderWidth(width);
        return l;
    }
    // "x" for each black pixel, "." for each white one, n pixels from (x, y) along a row or a column.
    static std::string run(const Bitmap& b, int x, int y, int n, bool down) {
        std::string s;
        for (int i = 0; i < n; ++i, ++(down ? y : x))
            s += b.pixel(x, y) == kBlack ? 'x' : b.pixel(x, y) == kWhite ? '.' : '?';
        return s;
    }
    static std::string row(const Bitmap& b, int x0, int y, int n) { return run(b, x0, y, n, false); }
    static std::string column(const Bitmap& b, int x, int y0, int n) { return run(b, x, y0, n, true); }
};

TEST_F(LinePaintTest, PatternsByBorderStyle) {
    struct Case {
        int16_t style;
        const char* pattern; // from x = 9 to 40: one pixel before the start, then 31 along the line
    } cases[] = {
        {1, ".xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"}, {2, ".xxxxxxxxxxxxxxxxxx......xxxxxxx"},
        {3, ".xxx...xxx...xxx...xxx...xxx...x"}, {4, ".xxxxxxxxx......xxx......xxxxxxx"},
        {5, ".xxxxxxxxx...xxx...xxx...xxxxxxx"}, {6, ".xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"},
        {0, "................................"},
    };
    for (size_t i = 0; i < std::size(cases); ++i)
        line(10, 10 + 10 * int(i), 60, 10 + 10 * int(i), cases[i].style);
    const Bitmap b = render();
    for (size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(row(b, 9, 10 + 10 * int(i), 32), cases[i].pattern) << "BorderStyle " << cases[i].style;
        EXPECT_EQ(row(b, 9, 9 + 10 * int(i), 32), std::string(32, '.')) << "one pixel thick";
    }
}

// The end point is not drawn; a reversed line starts its pattern at its start (x 40, the excluded end at
// x 10); a dotted vertical line alternates; a hidden line is not drawn.
TEST_F(LinePaintTest, EndsDirectionAndVisibility) {
    line(10, 10, 20, 10);
    line(30, 10, 30, 20);
    line(40, 30, 10, 30, 3);
    line(50, 20, 50, 40, 3);
    line(10, 50, 50, 50).setVisible(false);
    Bitmap b = render();
    EXPECT_EQ(row(b, 8, 10, 14), "..xxxxxxxxxx..");
    EXPECT_EQ(column(b, 30, 8, 14), "..xxxxxxxxxx..");
    EXPECT_EQ(row(b, 10, 30, 32), "....xxx...xxx...xxx...xxx...xxx.");
    EXPECT_EQ(column(b, 50, 19, 22), ".xxx...xxx...xxx...xx.");
    EXPECT_EQ(row(b, 9, 50, 10), std::string(10, '.'));
}

TEST_F(LinePaintTest, ThickLinesAreSolidWhateverTheirStyle) {
    line(10, 20, 40, 20, 3, 3);
    const Bitmap b = render();
    for (int y = 18; y <= 22; ++y)
        EXPECT_EQ(row(b, 9, y, 32),
                  y == 18 || y == 22 ? std::string(32, '.') : "." + std::string(30, 'x') + ".")
            << "row " << y;
}

} // namespace
} // namespace ovtest
