#include "platform/Font.h"

#include <gtest/gtest.h>

namespace ov {
namespace {

TEST(FontTest, BoldAndWeightStayInStep) {
    struct Case {
        bool bold;
        int16_t weight;
        bool expectBold;
        int16_t expectWeight;
    } cases[] = {
        {false, 400, false, 400}, // the default
        {true, 400, true, 700},   // bold raises a normal weight to bold
        {true, 100, true, 700},   //
        {true, 700, true, 700},   //
        {true, 900, true, 900},   // a heavier weight stays
        {false, 700, true, 700},  // a bold weight is bold
        {false, 900, true, 900},  //
        {false, 0, false, 0},     // the "don't care" weight stays
    };
    for (const auto& c : cases) {
        Font::Attributes attrs;
        attrs.bold = c.bold;
        attrs.weight = c.weight;
        FontRef f = Font::create(attrs);
        EXPECT_EQ(f->Bold(), c.expectBold) << c.bold << "/" << c.weight;
        EXPECT_EQ(f->Weight(), c.expectWeight) << c.bold << "/" << c.weight;
    }
}

} // namespace
} // namespace ov
