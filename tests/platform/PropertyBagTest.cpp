#include "platform/PropertyBag.h"

#include "platform/Font.h"
#include "platform/FormFileSamples.h"
#include "platform/Picture.h"
#include "platform/VariantTraits.h"

#include <gtest/gtest.h>

namespace {

using ov::PropertyBag;
using ov::Variant;

// Fonts and pictures are shared immutable objects; they travel in variants as object references.
template <class X>
Variant obj(const std::shared_ptr<const X>& p) {
    return ov::VariantTraits<std::shared_ptr<const X>>::to(p);
}

std::vector<std::string> keys(const PropertyBag& bag) {
    std::vector<std::string> out;
    for (const auto& e : bag.entries())
        out.push_back(e.key);
    return out;
}

ov::PictureRef png(uint32_t size) {
    return ov::Picture::fromPng(ovtest::samplePng(size, size));
}

TEST(PropertyBagTest, AValueEqualToItsDefaultIsNotStoredAndReadsAsTheDefault) {
    PropertyBag bag;
    bag.write("ButtonGapTop", int32_t{210}, int32_t{210});
    bag.write("FinishCaption", "&Finish", "&Finish");
    EXPECT_TRUE(bag.empty());
    EXPECT_EQ(bag.read("ButtonGapTop", int32_t{210}).toInt32(), 210);
    EXPECT_TRUE(bag.read("Missing").isEmpty());
    bag.write("ButtonGapTop", int32_t{300}, int32_t{210});
    EXPECT_EQ(bag.read("buttongaptop", int32_t{210}).toInt32(), 300);
}

TEST(PropertyBagTest, EntriesKeepTheOrderTheyWereFirstWrittenIn) {
    PropertyBag bag;
    bag.write("BackColor", int32_t{1}, int32_t{0});
    bag.write("Enabled", false, true);
    bag.write("StartPage", int32_t{2}, int32_t{1});
    bag.write("backcolor", int32_t{5}, int32_t{0}); // rewritten in place, first spelling kept
    EXPECT_EQ(keys(bag), (std::vector<std::string>{"BackColor", "Enabled", "StartPage"}));
    EXPECT_EQ(bag.read("BackColor").toInt32(), 5);
    // Writing the default again drops the earlier entry.
    bag.write("ENABLED", true, true);
    EXPECT_EQ(keys(bag), (std::vector<std::string>{"BackColor", "StartPage"}));
    bag.put("Enabled", true); // stored whatever its value
    EXPECT_EQ(keys(bag), (std::vector<std::string>{"BackColor", "StartPage", "Enabled"}));
    EXPECT_TRUE(bag.remove("startpage"));
    EXPECT_FALSE(bag.remove("StartPage"));
}

TEST(PropertyBagTest, DefaultsCompareAsTheHostComparesVariants) {
    auto font = ov::Font::create("Arial", 9);
    struct Case {
        const char* what;
        Variant value, def;
        bool same;
    } cases[] = {
        {"Long and Integer", Variant(int32_t{7540}), Variant(int16_t{7540}), true},
        {"Boolean and -1", Variant(true), Variant(int32_t{-1}), true},
        {"Single and Double", Variant(0.5f), Variant(0.5), true},
        {"different numbers", Variant(int32_t{1}), Variant(int32_t{2}), false},
        {"text is exact", Variant("Next"), Variant("next"), false},
        {"text and number", Variant("1"), Variant(int32_t{1}), false},
        {"Empty and Empty", Variant(), Variant(), true},
        {"Null and Empty", Variant(Variant::Null), Variant(), false},
        {"Nothing and no default", Variant(nullptr), Variant(), true},
        {"a font and no default", obj(font), Variant(), false},
        {"equal fonts", obj(font), obj(ov::Font::create("Arial", 9)), true},
        {"different fonts", obj(font), obj(ov::Font::create("Arial", 10)), false},
        {"equal pictures", obj(png(5)), obj(png(5)), true},
        {"different pictures", obj(png(5)), obj(png(6)), false},
        {"picture and font", obj(png(5)), obj(font), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PropertyBag::sameAsDefault(c.value, c.def), c.same) << c.what;
        PropertyBag bag;
        bag.write("Key", c.value, c.def);
        EXPECT_EQ(bag.contains("Key"), !c.same) << c.what;
    }
}

} // namespace
