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

TEST(FontTest, PropertiesAreReadableByName) {
    Font::Attributes attrs;
    attrs.name = "Arial";
    attrs.size = 12;
    attrs.italic = true;
    attrs.weight = 800;
    FontRef f = Font::create(attrs);
    auto& o = const_cast<Font&>(*f);          // calls by name are not const; they only read here
    EXPECT_EQ(o.get("").toString(), "Arial"); // Name is the default member
    EXPECT_EQ(o.get("size").toDouble(), 12.0);
    EXPECT_TRUE(o.get("Bold").toBool());
    EXPECT_TRUE(o.get("Italic").toBool());
    EXPECT_FALSE(o.get("Underline").toBool());
    EXPECT_EQ(o.get("Weight").toInt32(), 800);
    EXPECT_EQ(o.typeName(), "StdFont");
    // Made by name, size and boldness.
    EXPECT_EQ(Font::create("Tahoma", 9.75f, true)->Weight(), 700);
    EXPECT_EQ(Font::create("Tahoma", 9.75f)->Weight(), 400);
    EXPECT_FLOAT_EQ(Font::create("Tahoma", 9.75f)->Size(), 9.75f);
}

} // namespace
} // namespace ov
