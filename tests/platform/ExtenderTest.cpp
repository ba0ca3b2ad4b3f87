#include "platform/FailureCapture.h"
#include "platform/FormFixture.h"
#include "platform/PlatformFixtures.h"
#include "platform/PropertyBag.h"

#include <gtest/gtest.h>

namespace ovtest {
namespace {

using ov::Args;
using ov::Form;
using ov::Mode;
using ov::Variant;
using ov::test::failureNumber;
using Log = std::vector<std::string>;

class ExtenderTest : public FormFixture {};

TEST_F(ExtenderTest, LateBoundCallsReachTheExtenderFirstThenTheControlAndANameNeitherKnowsIs438) {
    auto form = Form::create("frmMain", Mode::Run);
    auto ext = form->add(Probe::kProgId, "Probe1");
    EXPECT_EQ(ext->typeName(), "Probe");

    ext->let("caption", "Hello");
    EXPECT_EQ(probe(ext)->Caption(), "Hello");
    ext->let("Left", 300);
    EXPECT_FLOAT_EQ(ext->Left(), 300);
    // Both have a Tag: the extender's wins.
    ext->let("Tag", "mine");
    EXPECT_EQ(ext->get("Tag").toString(), "mine");
    EXPECT_EQ(probe(ext)->get("Tag").toString(), "probe's own tag");
    // The control's default member, by-reference arguments and events come through too.
    EXPECT_EQ(ext->get("").toString(), "Hello");
    probe(ext)->setCount(5);
    Args args{Variant(int32_t{2})};
    ext->call("Bump", args);
    EXPECT_EQ(args[0].toInt32(), 7);
    int pings = 0;
    auto c = ext->on("Ping", [&](Args& a) {
        ++pings;
        a[0] = int32_t{42};
    });
    int32_t value = 0;
    probe(ext)->Ping(value);
    EXPECT_EQ(std::pair(pings, value), std::pair(1, 42));
    // A name neither knows is failure 438 naming the control's class.
    EXPECT_NE(form->control<Probe>("PROBE1"), nullptr);
    expectRefusals({
        {[&] { ext->get("Nonsense"); },
         "438 Object doesn't support this property or method (Probe.Nonsense)"},
        {[&] { ext->on("Nonsense", [](Args&) {}); }, "438"},
        {[&] { ext->let("Parent", 1); }, "450"}, // read-only
        {[&] { probe(ext)->setSize(-1, 50); }, "380"},
        {[&] { form->control<Probe>("Other"); }, "730"},    // typed lookup checks the name
        {[&] { form->control<ov::Form>("Probe1"); }, "13"}, // and the class
    });
}

TEST_F(ExtenderTest, ExtenderMembersByNameIncludeMoveZOrderParentDefaultAndCancel) {
    auto form = Form::create("frmMain", Mode::Design);
    auto a = form->add(Probe::kProgId, "A");
    auto b = form->add(Probe::kProgId, "B");
    a->call("Move", {Variant(100.0f), Variant(200.0f), Variant(3000.0f), Variant()}); // Empty: left out
    EXPECT_EQ(box(*a), (Box{100, 200, 3000, 3600}));
    a->call("ZOrder");
    EXPECT_EQ(form->zOrder().back(), a.get());
    a->call("ZOrder", {Variant(int16_t{1})});
    EXPECT_EQ(form->zOrder().front(), a.get());
    EXPECT_EQ(failureNumber([&] { a->ZOrder(2); }), 5);
    auto parent = a->get("Parent").toObject();
    EXPECT_EQ(parent.get(), form.get());
    EXPECT_EQ(parent->get("Name").toString(), "frmMain");
    EXPECT_EQ(a->get("Container").toObject().get(), form.get());
    // Default and Cancel each belong to one control of the form.
    a->setDefault(true);
    a->setCancel(true);
    b->let("Default", true);
    EXPECT_FALSE(a->Default());
    EXPECT_TRUE(b->Default());
    EXPECT_TRUE(a->Cancel());
    b->setDefault(false);
    EXPECT_FALSE(a->Default());
}

TEST_F(ExtenderTest, TheControlsCollectionListsExtendersByPositionAndName) {
    auto form = Form::create("frmMain", Mode::Design);
    form->add(Probe::kProgId, "A");
    form->add(Probe::kProgId, "B");
    auto controls = form->get("Controls").toObject();
    EXPECT_EQ(controls->get("Count").toInt32(), 2);
    auto first = controls->get("Item", {Variant(int32_t{0})}).toObject();
    EXPECT_EQ(first->typeName() + " " + first->get("Name").toString(), "Probe A");
    EXPECT_EQ(controls->get("", {Variant("b")}).toObject()->get("Name").toString(), "B");
    expectRefusals({
        {[&] { controls->get("Item", {Variant(int32_t{2})}); }, "9"},
        {[&] { controls->get("Item", {Variant(int32_t{-1})}); }, "9"},
        {[&] { controls->get("Item", {Variant("C")}); }, "730"},
    });
    // Live: it follows the form.
    form->remove("A");
    EXPECT_EQ(controls->get("Count").toInt32(), 1);
}

TEST_F(ExtenderTest, RenamingAtDesignTimeTellsTheControlAndAtRunTimeIsRefused) {
    auto form = Form::create("frmMain", Mode::Design);
    auto ext = form->add(Probe::kProgId, "Probe1");
    form->add(Probe::kProgId, "Other");
    log().clear();
    ext->setName("Renamed");
    EXPECT_EQ(take(), (Log{"Renamed AmbientChanged DisplayName"}));
    EXPECT_EQ(probe(ext)->ambientDisplayName(), "Renamed");
    EXPECT_EQ(form->findControl("Probe1"), nullptr);
    ext->setName("Renamed"); // unchanged: nothing to tell
    expectRefusals({{[&] { ext->setName("other"); }, "380"}, {[&] { ext->setName("2nd"); }, "380"}});
    EXPECT_TRUE(log().empty());
    EXPECT_EQ(ext->Name(), "Renamed");
    // At run time a rename is refused.
    auto runForm = Form::create("frmRun", Mode::Run);
    auto run = runForm->add(Probe::kProgId, "Probe1");
    log().clear();
    EXPECT_EQ(failureNumber([&] { run->let("Name", "Renamed"); }), 382);
    EXPECT_EQ(run->Name(), "Probe1");
    EXPECT_TRUE(log().empty());
}

TEST_F(ExtenderTest, AmbientPropertiesComeFromTheForm) {
    auto design = Form::create("frmDesign", Mode::Design);
    auto run = Form::create("frmRun", Mode::Run);
    auto d = probe(design->add(Probe::kProgId, "P"));
    auto r = probe(run->add(Probe::kProgId, "P"));
    EXPECT_FALSE(d->ambientUserMode());
    EXPECT_TRUE(r->ambientUserMode());
    EXPECT_EQ(d->ambientFont(), design->Font());
    EXPECT_EQ(d->ambientBackColor(), ov::sysColor::ButtonFace);

    log().clear();
    auto font = ov::Font::create("Arial", 10);
    design->setBackColor(ov::rgb(1, 2, 3));
    design->setFont(font);
    design->setFont(font); // the same font: no news
    EXPECT_EQ(log(), (Log{"P AmbientChanged BackColor", "P AmbientChanged Font"}));
    EXPECT_EQ(std::pair(d->ambientFont(), d->ambientBackColor()), std::pair(font, ov::rgb(1, 2, 3)));
    EXPECT_EQ(failureNumber([&] { design->setFont(nullptr); }), 380);
}

TEST_F(ExtenderTest, ControlsInsideAContainerControlFollowItsVisibility) {
    auto form = Form::create("frmMain", Mode::Run);
    auto holder = form->add(Probe::kProgId, "Holder");
    auto inner = form->add(Probe::kProgId, "Inner");
    auto other = form->add(Probe::kProgId, "Other");
    form->show();
    inner->setAlign(1);
    // Only a control container can hold controls.
    expectRefusals({{[&] { inner->set("Container", holder); }, "380"}});
    probe(holder)->setControlContainer(true);
    probe(inner)->setControlContainer(true);
    inner->set("Container", holder);
    EXPECT_EQ(inner->Container().get(), holder.get());
    EXPECT_EQ(inner->Align(), 0); // undocked inside a container
    expectRefusals({
        {[&] { holder->setContainer(inner); }, "380"}, // would hold itself
        {[&] { inner->setContainer(inner); }, "380"},
        {[&] { inner->setContainer(Form::create("frmElse", Mode::Run)); }, "380"},
    });

    log().clear();
    holder->setVisible(false);
    EXPECT_EQ(take(), (Log{"Holder Hide", "Inner Hide"}));
    EXPECT_FALSE(inner->effectivelyVisible());
    inner->setContainer(form);
    EXPECT_EQ(log(), (Log{"Inner Show"}));
    EXPECT_TRUE(probe(other)->isShown());
    // Removing a container control removes what it holds.
    holder->setVisible(true);
    inner->setContainer(holder);
    log().clear();
    form->remove("Holder");
    EXPECT_EQ(log(), (Log{"Inner Hide", "Inner Terminate", "Holder Hide", "Holder Terminate"}));
    EXPECT_EQ(form->controls().size(), 1u);
}

} // namespace
} // namespace ovtest
