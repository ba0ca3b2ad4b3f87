#include "render/Bitmap.h"

#include "platform/FailureCapture.h"
#include "platform/Picture.h"
#include "support/TestFiles.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace ovtest {
namespace {

using namespace ov;
using ov::test::failureFrom;
using ov::test::failureNumber;

TEST(BitmapTest, PixelsOutsideTheImageAreFailure9) {
    Bitmap b(4, 3);
    struct Case {
        int x, y;
    } outside[] = {{-1, 0}, {0, -1}, {4, 0}, {0, 3}, {4, 3}};
    for (const auto& c : outside)
        EXPECT_EQ(failureNumber([&] { (void)b.pixel(c.x, c.y); }), 9) << c.x << ", " << c.y;
    EXPECT_NO_THROW((void)b.pixel(3, 2));
}

TEST(BitmapTest, NegativeSizeIsEmptyAndEmptyHasNoPng) {
    Bitmap b(-5, 3);
    EXPECT_EQ(std::pair(b.width(), b.pixels().empty()), std::pair(0, true));
    EXPECT_EQ(failureNumber([&] { (void)b.encodePng(); }), 380);
}

class BitmapFileTest : public ::testing::Test {
protected:
    TestFolder dir{"ovcomctl_bitmap"};
};

TEST_F(BitmapFileTest, SavePngReplacesTheFileAndLeavesNoTemporary) {
    const auto path = dir / "image.png";
    {
        std::ofstream old(path);
        old << "old contents";
    }
    Bitmap(3, 2).savePng(path.string());
    EXPECT_EQ(Picture::load(path.string())->widthPixels(), 3);
    EXPECT_FALSE(std::filesystem::exists(path.string() + ".tmp"));
}

TEST_F(BitmapFileTest, UnwritablePathIsFailure75AndWritesNothing) {
    const auto path = dir / "missing" / "image.png";
    const auto f = failureFrom([&] { Bitmap(3, 2).savePng(path.string()); });
    ASSERT_TRUE(f);
    EXPECT_EQ(f->number(), 75);
    EXPECT_NE(f->description().find(path.string()), std::string::npos) << f->description();
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
}

} // namespace
} // namespace ovtest
