#include "platform/PropertyBag.h"

#include "platform/Font.h"
#include "platform/FormFileSamples.h"
#include "platform/Picture.h"
#include "platform/VariantTraits.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

using ov::PropertyBag;
using ov::Variant;

// Fonts and pictures are shared immutable objects; they travel in variants as object references.
template <class X>
Variant obj(const std::shared_ptr<const X>& p) {
    return ov::VariantTraits<std::shared_ptr<const X>>::to(p);
}

ov::PictureRef png(uint32_t size) {
    return ov::Picture::fromPng(ovtest::samplePng(size, size));
}

TEST(PropertyBagTest, EntriesKeepTheOrderTheyWereFirstWrittenIn) {
    PropertyBag bag;
    bag.write("BackColor", int32_t{1}, int32_t{0});
    bag.write("Enabled", false, true);
    bag.write("StartPage", int32_t{2}, int32_t{1});
    bag.write("backcolor", int32_t{5}, int32_t{0}); // rewritten in place, first spelling kept
    EXPECT_EQ(ovtest::keysOf(bag), (std::vector<std::string>{"BackColor", "Enabled", "StartPage"}));
    EXPECT_EQ(bag.read("BackColor").toInt32(), 5);
    // Writing the default again drops the earlier entry.
    bag.write("ENABLED", true, true);
    EXPECT_EQ(ovtest::keysOf(bag), (std::vector<std::string>{"BackColor", "StartPage"}));
    bag.put("Enabled", true); // stored whatever its value
    EXPECT_EQ(ovtest::keysOf(bag), (std::vector<std::string>{"BackColor", "StartPage", "Enabled"}));
    EXPECT_TRUE(bag.remove("startpage"));
    EXPECT_FALSE(bag.remove("StartPage"));
}

TEST(PropertyBagTest, DefaultsCompareAsTheHostComparesVariants) {
    auto font = ov::Font::create("Arial", 9);
    const std::tuple<const char*, Variant, Variant, bool> cases[] = {
        {"Long and Integer", Variant(int32_t{7540}), Variant(int16_t{7540}), true},
        {"Boolean and -1", Variant(true), Variant(int32_t{-1}), true},
        {"Single and Double", Variant(0.5f), Variant(0.5), true},
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
    for (const auto& [what, value, def, same] : cases) {
        EXPECT_EQ(PropertyBag::sameAsDefault(value, def), same) << what;
        PropertyBag bag;
        bag.write("Key", value, def);
        EXPECT_EQ(bag.contains("Key"), !same) << what;
    }
}

// Reading a stored value as its property takes it: conversions as a by-name write makes them, ranges,
// and the refusal a bag keeps for whoever filled it.
TEST(PropertyBagReadAsTest, ConvertsLikeAByNameWriteAndKeepsTheFirstRefusal) {
    PropertyBag bag;
    bag.put("Width", Variant("1500"));
    bag.put("gap", Variant(std::numeric_limits<double>::quiet_NaN()));
    bag.put("Visible", Variant("abc"));
    bag.put("Size", Variant(2000000));
    bag.put("Font", Variant(12));

    EXPECT_EQ(bag.readAs<int32_t>("width", 0), 1500); // numeric text converts; keys ignore case
    EXPECT_EQ(bag.readAs<int32_t>("Missing", 7), 7);
    EXPECT_FALSE(bag.refusal());

    EXPECT_EQ(bag.readAs<int32_t>("GAP", 165), 165); // refused: the default
    EXPECT_EQ(bag.readAs<bool>("Visible", true), true);
    EXPECT_EQ(bag.readAs<int32_t>("Size", 5, {0, 1000000}), 5);
    EXPECT_EQ(bag.readAs<ov::FontRef>("Font", nullptr), nullptr);
    ASSERT_TRUE(bag.refusal());
    // The first one is kept, under the key as the bag stores it.
    EXPECT_EQ(bag.refusal()->key, "gap");
    EXPECT_EQ(bag.refusal()->problem, "the Double NaN does not convert to Long");
    bag.clear();
    EXPECT_FALSE(bag.refusal());

    const std::pair<Variant, std::string> cases[] = {
        {Variant("abc"), "the String \"abc\" does not convert to Integer"},
        {Variant(40000), "the Long 40000 does not convert to Integer"},
        {Variant(int16_t{-3}), "the Integer -3 is outside 0 to 1"},
        {Variant(1.5), "the Double 1.5 is outside 0 to 1"},
        {Variant(std::string(50, 'x')),
         "the String \"" + std::string(40, 'x') + "...\" does not convert to Integer"},
        {Variant(std::const_pointer_cast<ov::Font>(ov::Font::create("Arial", 9, false))),
         "the StdFont object does not convert to Integer"},
    };
    for (const auto& [stored, problem] : cases) {
        bag.clear();
        bag.put("BorderStyle", stored);
        EXPECT_EQ(bag.readAs<int16_t>("BorderStyle", 0, {0, 1}), 0);
        ASSERT_TRUE(bag.refusal());
        EXPECT_EQ(bag.refusal()->problem, problem);
    }
}

// Writing with the range a property declares mirrors reading with it: a number outside is stored as
// given and refused, so that whoever empties the bag (a form-file save) can refuse what a load would.
TEST(PropertyBagWriteRangeTest, ANumberOutsideIsStoredAndTheFirstRefusalKept) {
    const PropertyBag::Range sizes{0, 1000000};
    // Each value against the default 1120, and the refusal it gets ("" when taken).
    const std::pair<Variant, std::string> cases[] = {
        {Variant(0), ""},
        {Variant(1000000), ""},
        {Variant(1120), ""}, // the default: not stored
        {Variant(-1), "the Long -1 is outside 0 to 1000000"},
        {Variant(1000001), "the Long 1000001 is outside 0 to 1000000"},
        {Variant(1000000.5), "the Double 1000000.5 is outside 0 to 1000000"},
        {Variant(std::numeric_limits<double>::quiet_NaN()), "the Double NaN is outside 0 to 1000000"},
        {Variant("2000000"), ""}, // text is no number: the range is the reader's to apply
    };
    for (const auto& [value, problem] : cases) {
        SCOPED_TRACE(value.toString());
        PropertyBag bag;
        bag.write("ButtonWidth", value, Variant(1120), sizes);
        EXPECT_EQ(bag.contains("buttonwidth"), !PropertyBag::sameAsDefault(value, Variant(1120)));
        EXPECT_EQ(bag.refusal() ? bag.refusal()->key + ": " + bag.refusal()->problem : "",
                  problem.empty() ? "" : "ButtonWidth: " + problem);
    }

    PropertyBag bag;
    bag.write("ButtonGapTop", Variant(-1000001), Variant(210), {-1000000, 1000000});
    bag.write("ButtonWidth", Variant(2000000), Variant(1120), sizes);
    bag.write("ButtonHeight", Variant(345), Variant(345)); // no range: nothing to refuse
    ASSERT_TRUE(bag.refusal());
    EXPECT_EQ(bag.refusal()->key, "ButtonGapTop");
    EXPECT_EQ(bag.read("ButtonWidth"), Variant(2000000)); // the bag describes the control as it is
    // A read of the same value refuses it the same way.
    PropertyBag loaded;
    loaded.put("ButtonGapTop", Variant(-1000001));
    EXPECT_EQ(loaded.readAs<int32_t>("ButtonGapTop", 210, {-1000000, 1000000}), 210);
    EXPECT_EQ(loaded.refusal()->problem, bag.refusal()->problem);
    bag.clear();
    EXPECT_FALSE(bag.refusal());
}

} // namespace
