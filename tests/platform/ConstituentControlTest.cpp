#include "platform/CommandButton.h"
#include "platform/FailureCapture.h"
#include "platform/FormFileSamples.h"
#include "platform/Frame.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Line.h"
#include "platform/PictureBox.h"
#include "platform/PlatformFixtures.h"
#include "platform/ProbeControl.h"
#include "platform/Runtime.h"

#include <gtest/gtest.h>
#include <sstream>

namespace ovtest {
namespace {

using ov::CommandButton;
using ov::Frame;
using ov::Label;
using ov::Variant;

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
    expectRefusals({
        {[&] { owner.child<Label>("lblMissing"); }, "730"},
        {[&] { owner.child<Label>("cmdOK"); }, "13"},
        {[&] { owner.addChild<Label>("lblinner"); }, "380"},
        {[&] { owner.addChild<Label>(""); }, "380"},
        {[&] { owner.addChild<Label>("lblX", &owner.info()); }, "380"}, // a label holds nothing
    });
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
    control.area().setContainer(&frame);
    expectRefusals({
        {[&] { label.setContainer(&stranger.area()); }, "380"},
        {[&] { label.setContainer(&control.ok()); }, "380"},
        {[&] { frame.setContainer(&control.area()); }, "380"}, // the frame inside itself
        {[&] { frame.setContainer(&frame); }, "380"},
    });
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
    expectRefusals({{[&] { owner.removeChild("fraGroup"); }, "730"}});
}

TEST_F(ConstituentControlTest, EachClassPublishesItsOwnMembersByNameAndRefusesNegativeSizes) {
    auto& b = owner.ok();
    b.Move(10, 20, 300, 400);
    b.call("Move", {Variant(50.0f)});
    EXPECT_EQ(box(b), (Box{50, 20, 300, 400}));
    auto& line = owner.addChild<ov::Line>("linRule");
    expectRefusals({
        {[&] { b.setWidth(-1); }, "380"},
        {[&] { b.setStyle(2); }, "380"},
        {[&] { b.setTabIndex(-1); }, "380"},
        {[&] { b.setFont(nullptr); }, "380"},
        {[&] { line.on("Click", [](ov::Args&) {}); }, "438"},
    });
    EXPECT_EQ(owner.ok().get("Caption").toString(), "OK");
    EXPECT_TRUE(owner.ok().hasMember("SetFocus"));
    EXPECT_FALSE(owner.info().hasMember("SetFocus")); // labels take no focus
    EXPECT_FALSE(line.hasMember("Left"));
    EXPECT_FALSE(line.hasMember("Enabled"));
    EXPECT_FALSE(CommandButton::staticClass().published);
    int clicks = 0;
    auto c = owner.ok().on("Click", [&](ov::Args&) { ++clicks; });
    owner.ok().setValue(true);
    owner.ok().setValue(false);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(owner.ok().get("Value").toBool()); // always false when read
}

TEST_F(ConstituentControlTest, ALineMovesItsEndsWithItsBox) {
    auto& line = owner.addChild<ov::Line>("linRule");
    auto ends = [&] { return Box{line.X1(), line.Y1(), line.X2(), line.Y2()}; };
    line.setEnds(100, 400, 500, 200);
    EXPECT_EQ(box(line), (Box{100, 200, 400, 200}));
    line.Move(0, 0, 800, 200); // moved left and up, twice as wide
    EXPECT_EQ(ends(), (Box{0, 200, 800, 0}));
    line.setY2(200); // horizontal: no height to stretch
    line.Move(10, 10, 800, 500);
    EXPECT_EQ(ends(), (Box{10, 10, 810, 10}));
    EXPECT_FLOAT_EQ(line.Height(), 0);
    expectRefusals({
        {[&] { line.setBorderStyle(-1); }, "380"},
        {[&] { line.setBorderStyle(0); }, "0"},
        {[&] { line.setBorderStyle(6); }, "0"},
        {[&] { line.setBorderStyle(7); }, "380"},
        {[&] { line.setBorderWidth(0); }, "380"},
        {[&] { line.setBorderWidth(1); }, "0"},
        {[&] { line.setBorderWidth(30); }, "0"},
    });
}

TEST_F(ConstituentControlTest, AnImageTakesItsPictureSizeUnlessItStretches) {
    auto& image = owner.addChild<ov::Image>("imgLogo");
    image.setPicture(ov::Picture::fromPng(samplePng(50, 20)));
    EXPECT_EQ(box(image), (Box{0, 0, 750, 300}));
    image.setStretch(true);
    image.Move(0, 0, 2000, 1000);
    image.setPicture(ov::Picture::fromPng(samplePng(10, 10)));
    EXPECT_FLOAT_EQ(image.Width(), 2000);
    runtime.setTwipsPerPixel(12, 12);
    image.setStretch(false); // back to the picture's size, in this screen's twips
    EXPECT_FLOAT_EQ(image.Width(), 120);
}

TEST_F(ConstituentControlTest, APictureBoxPrintsLineByLineAndClears) {
    auto& pic = owner.area();
    pic.setForeColor(ov::rgb(255, 0, 0));
    pic.setCurrentX(100);
    pic.Print("Hi");
    pic.printInline("ab");
    pic.printInline("c");
    pic.Print("x\ny");
    std::ostringstream printed;
    for (const auto& p : pic.printed())
        printed << p.text << " at " << p.x << "," << p.y << " in " << std::hex << p.color << std::dec << "; ";
    EXPECT_EQ(printed.str(),
              "Hi at 100,0 in ff; ab at 0,198 in ff; c at 165,198 in ff; x at 247.5,198 in ff; "
              "y at 0,396 in ff; ");
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
