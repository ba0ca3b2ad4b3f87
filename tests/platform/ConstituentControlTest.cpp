#include "platform/CommandButton.h"
#include "platform/FailureCapture.h"
#include "platform/FormFileSamples.h"
#include "platform/Frame.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Line.h"
#include "platform/Picture.h"
#include "platform/PictureBox.h"
#include "platform/ProbeControl.h"
#include "platform/Runtime.h"

#include <gtest/gtest.h>

namespace ovtest {
namespace {

using ov::CommandButton;
using ov::Frame;
using ov::Label;
using ov::PictureBox;
using ov::Variant;
using ov::test::failureNumber;

ov::PictureRef png(uint32_t w, uint32_t h) {
    return ov::Picture::fromPng(samplePng(w, h));
}

class ConstituentControlTest : public ::testing::Test {
protected:
    ov::Runtime runtime;
    Probe owner;
};

TEST_F(ConstituentControlTest, ChildrenAreFoundByNameWithoutLetterCaseAndKeptInCreationOrder) {
    auto& frame = owner.addChild<Frame>("fraGroup");
    auto& inner = owner.addChild<Label>("lblInner", &frame);
    EXPECT_EQ(&owner.child<Label>("LBLINNER"), &inner);
    EXPECT_EQ(owner.children().size(), 6u);
    EXPECT_EQ(owner.children()[4]->Name(), "fraGroup");
    EXPECT_EQ(failureNumber([&] { owner.child<Label>("lblMissing"); }), 730);
    EXPECT_EQ(failureNumber([&] { owner.child<Label>("cmdOK"); }), 13);
    EXPECT_EQ(failureNumber([&] { owner.addChild<Label>("lblinner"); }), 380);
    EXPECT_EQ(failureNumber([&] { owner.addChild<Label>(""); }), 380);
    EXPECT_EQ(failureNumber([&] { owner.addChild<Label>("lblX", &owner.info()); }),
              380); // a label holds nothing
    EXPECT_EQ(inner.typeName(), "Label");
    EXPECT_EQ(inner.owner(), &owner);
}

TEST_F(ConstituentControlTest, ContainersAreFramesAndPictureBoxesOfTheSameOwner) {
    auto shared = std::make_shared<Probe>(); // the owning control as a late-bound object
    Probe& control = *shared;
    auto& frame = control.addChild<Frame>("fraGroup");
    auto& label = control.info();
    label.setContainer(&frame);
    EXPECT_EQ(label.container(), &frame);
    EXPECT_EQ(label.Container().get(), &frame);
    label.set("Container", Variant(control.area().shared_from_this()));
    EXPECT_EQ(label.container(), &control.area());
    label.setContainerObject(control.shared_from_this());
    EXPECT_EQ(label.container(), nullptr);
    EXPECT_EQ(label.Container().get(), &control);

    Probe stranger;
    EXPECT_EQ(failureNumber([&] { label.setContainer(&stranger.area()); }), 380);
    EXPECT_EQ(failureNumber([&] { label.setContainer(&control.ok()); }), 380);
    control.area().setContainer(&frame);
    EXPECT_EQ(failureNumber([&] { frame.setContainer(&control.area()); }), 380); // frame inside itself
    EXPECT_EQ(failureNumber([&] { frame.setContainer(&frame); }), 380);
}

TEST_F(ConstituentControlTest, VisibilityAndEnabledStateFollowTheContainers) {
    auto& frame = owner.addChild<Frame>("fraGroup");
    owner.ok().setContainer(&frame);
    frame.setVisible(false);
    EXPECT_TRUE(owner.ok().Visible());
    EXPECT_FALSE(owner.ok().effectivelyVisible());
    frame.setVisible(true);
    frame.setEnabled(false);
    EXPECT_FALSE(owner.ok().effectivelyEnabled());
    EXPECT_TRUE(owner.cancel().effectivelyEnabled());
}

TEST_F(ConstituentControlTest, ZOrderIsKeptPerOwnerAndReadPerContainer) {
    auto& frame = owner.addChild<Frame>("fraGroup");
    auto& a = owner.addChild<Label>("lblA", &frame);
    auto& b = owner.addChild<Label>("lblB", &frame);
    using Z = std::vector<ov::ConstituentControl*>;
    EXPECT_EQ(owner.childrenIn(&frame), (Z{&a, &b}));
    a.ZOrder();
    EXPECT_EQ(owner.childrenIn(&frame), (Z{&b, &a}));
    a.call("ZOrder", {Variant(int16_t{1})});
    EXPECT_EQ(owner.childrenIn(&frame), (Z{&a, &b}));
    owner.ok().ZOrder();
    EXPECT_EQ(owner.zOrder().back(), &owner.ok());
    EXPECT_EQ(owner.childrenIn(nullptr).back(), &owner.ok());
    // Removing a container removes what it holds.
    owner.removeChild("fraGroup");
    EXPECT_EQ(owner.findChild("lblA"), nullptr);
    EXPECT_EQ(owner.children().size(), 4u);
    EXPECT_EQ(owner.zOrder().size(), 4u);
    EXPECT_EQ(failureNumber([&] { owner.removeChild("fraGroup"); }), 730);
}

TEST_F(ConstituentControlTest, GeometryMovesAndRefusesNegativeSizes) {
    auto& b = owner.ok();
    b.Move(10, 20, 300, 400);
    EXPECT_FLOAT_EQ(b.Left(), 10);
    EXPECT_FLOAT_EQ(b.Height(), 400);
    b.call("Move", {Variant(50.0f)});
    EXPECT_FLOAT_EQ(b.Left(), 50);
    EXPECT_FLOAT_EQ(b.Top(), 20);
    EXPECT_EQ(failureNumber([&] { b.setWidth(-1); }), 380);
    EXPECT_EQ(failureNumber([&] { b.setTabIndex(-1); }), 380);
    EXPECT_EQ(failureNumber([&] { b.setFont(nullptr); }), 380);
}

TEST_F(ConstituentControlTest, EachClassPublishesItsOwnMembersByName) {
    auto& line = owner.addChild<ov::Line>("linRule");
    EXPECT_EQ(owner.ok().get("Caption").toString(), "OK");
    EXPECT_TRUE(owner.ok().hasMember("SetFocus"));
    EXPECT_FALSE(owner.info().hasMember("SetFocus")); // labels take no focus
    EXPECT_FALSE(line.hasMember("Left"));
    EXPECT_FALSE(line.hasMember("Enabled"));
    EXPECT_EQ(failureNumber([&] { line.on("Click", [](ov::Args&) {}); }), 438);
    EXPECT_FALSE(CommandButton::staticClass().published);
    int clicks = 0;
    auto c = owner.ok().on("Click", [&](ov::Args&) { ++clicks; });
    owner.ok().setValue(true);
    owner.ok().setValue(false);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ConstituentControlTest, ALineMovesItsEndsWithItsBox) {
    auto& line = owner.addChild<ov::Line>("linRule");
    line.setEnds(100, 400, 500, 200);
    EXPECT_FLOAT_EQ(line.Left(), 100);
    EXPECT_FLOAT_EQ(line.Top(), 200);
    EXPECT_FLOAT_EQ(line.Width(), 400);
    EXPECT_FLOAT_EQ(line.Height(), 200);
    line.Move(0, 0, 800, 200); // moved left and up, twice as wide
    EXPECT_FLOAT_EQ(line.X1(), 0);
    EXPECT_FLOAT_EQ(line.Y1(), 200);
    EXPECT_FLOAT_EQ(line.X2(), 800);
    EXPECT_FLOAT_EQ(line.Y2(), 0);
    line.setY2(200); // horizontal: no height to stretch
    line.Move(10, 10, 800, 500);
    EXPECT_FLOAT_EQ(line.Y1(), 10);
    EXPECT_FLOAT_EQ(line.Y2(), 10);
    EXPECT_FLOAT_EQ(line.Height(), 0);
    struct Case {
        int16_t value;
        int failure;
    } styles[] = {{-1, 380}, {0, 0}, {6, 0}, {7, 380}}, widths[] = {{0, 380}, {1, 0}, {30, 0}};
    for (auto c : styles)
        EXPECT_EQ(failureNumber([&] { line.setBorderStyle(c.value); }), c.failure) << c.value;
    for (auto c : widths)
        EXPECT_EQ(failureNumber([&] { line.setBorderWidth(c.value); }), c.failure) << c.value;
}

TEST_F(ConstituentControlTest, AnImageTakesItsPictureSizeUnlessItStretches) {
    auto& image = owner.addChild<ov::Image>("imgLogo");
    image.Move(0, 0, 100, 100);
    image.setPicture(png(50, 20));
    EXPECT_FLOAT_EQ(image.Width(), 750);
    EXPECT_FLOAT_EQ(image.Height(), 300);
    image.setStretch(true);
    image.Move(0, 0, 2000, 1000);
    image.setPicture(png(10, 10));
    EXPECT_FLOAT_EQ(image.Width(), 2000);
    runtime.setTwipsPerPixel(12, 12);
    image.setStretch(false);
    EXPECT_FLOAT_EQ(image.Width(), 120);
    image.setPicture(nullptr); // no picture: the size stays
    EXPECT_FLOAT_EQ(image.Width(), 120);
}

TEST_F(ConstituentControlTest, AutoSizeLabelsMeasureTheirCaption) {
    auto& label = owner.info();
    label.Move(300, 150, 1000, 100);
    label.setCaption("Step Title");
    EXPECT_FLOAT_EQ(label.Width(), 1000); // not auto-sized yet
    label.setAutoSize(true);
    EXPECT_FLOAT_EQ(label.Width(), 10 * 82.5f);
    EXPECT_FLOAT_EQ(label.Height(), 198);
    EXPECT_FLOAT_EQ(label.Left(), 300);
    EXPECT_FLOAT_EQ(label.Top(), 150);
    label.setCaption("ab\r\nabcd");
    EXPECT_FLOAT_EQ(label.Width(), 4 * 82.5f);
    EXPECT_FLOAT_EQ(label.Height(), 2 * 198);
    label.setFont(ov::Font::create("Arial", 12));
    EXPECT_FLOAT_EQ(label.Width(), 4 * 120);
    EXPECT_FLOAT_EQ(label.Height(), 2 * 288);
}

TEST_F(ConstituentControlTest, WrappingAutoSizeLabelsKeepTheirWidthAndGrowDown) {
    auto& label = owner.info();
    label.setWordWrap(true);
    label.setAutoSize(true);
    label.setWidth(5 * 82.5f); // five characters a line
    label.setCaption("one two three");
    EXPECT_EQ(label.lines(), (std::vector<std::string>{"one", "two", "three"}));
    EXPECT_FLOAT_EQ(label.Width(), 5 * 82.5f);
    EXPECT_FLOAT_EQ(label.Height(), 3 * 198);
    label.setWidth(7 * 82.5f); // "one two" fits now
    EXPECT_FLOAT_EQ(label.Height(), 2 * 198);
    label.setAutoSize(false);
    label.setWidth(3 * 82.5f);
    EXPECT_FLOAT_EQ(label.Height(), 2 * 198); // no longer follows
    EXPECT_EQ(label.lines().size(), 3u);
    EXPECT_EQ(failureNumber([&] { label.setAlignment(3); }), 380);
    EXPECT_EQ(failureNumber([&] { label.setBackStyle(2); }), 380);
}

TEST_F(ConstituentControlTest, APictureBoxPrintsLineByLineAndClears) {
    auto& pic = owner.area();
    pic.setForeColor(ov::rgb(255, 0, 0));
    pic.setCurrentX(100);
    pic.Print("Hi");
    pic.printInline("ab");
    pic.printInline("c");
    pic.Print("x\ny");
    ASSERT_EQ(pic.printed().size(), 5u);
    const auto& p = pic.printed();
    EXPECT_FLOAT_EQ(p[0].x, 100);
    EXPECT_FLOAT_EQ(p[0].y, 0);
    EXPECT_EQ(p[0].color, ov::rgb(255, 0, 0));
    EXPECT_FLOAT_EQ(p[1].x, 0);
    EXPECT_FLOAT_EQ(p[1].y, 198);
    EXPECT_FLOAT_EQ(p[2].x, 2 * 82.5f);
    EXPECT_EQ(p[2].text, "c");
    EXPECT_FLOAT_EQ(p[3].x, 3 * 82.5f);
    EXPECT_EQ(p[3].text, "x");
    EXPECT_FLOAT_EQ(p[4].x, 0);
    EXPECT_FLOAT_EQ(p[4].y, 2 * 198);
    EXPECT_FLOAT_EQ(pic.CurrentX(), 0);
    EXPECT_FLOAT_EQ(pic.CurrentY(), 3 * 198);
    pic.call("Print"); // an empty line
    EXPECT_FLOAT_EQ(pic.CurrentY(), 4 * 198);
    pic.call("Cls");
    EXPECT_TRUE(pic.printed().empty());
    EXPECT_FLOAT_EQ(pic.CurrentY(), 0);
    EXPECT_FLOAT_EQ(pic.get("TextWidth", {Variant("abcd")}).toSingle(), 4 * 82.5f);
    EXPECT_FLOAT_EQ(pic.TextHeight("a\r\nb"), 2 * 198);
    pic.Move(0, 0, 1000, 800);
    EXPECT_FLOAT_EQ(pic.ScaleWidth(), 1000 - 60);
    pic.setBorderStyle(0);
    EXPECT_FLOAT_EQ(pic.ScaleHeight(), 800);
}

} // namespace
} // namespace ovtest
