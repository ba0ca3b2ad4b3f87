#include "platform/FailureCapture.h"
#include "platform/FormFixture.h"
#include "platform/PlatformFixtures.h"
#include "platform/PropertyBag.h"

#include <gtest/gtest.h>

namespace ovtest {
namespace {

using ov::ExtenderValues;
using ov::Form;
using ov::Mode;
using ov::PropertyBag;
using Log = std::vector<std::string>;

class FormLifecycleTest : public FormFixture {};

TEST_F(FormLifecycleTest, NewControlInitialisesThenShowsWithTheFormOrAtOnceOnAVisibleOne) {
    auto form = Form::create("frmMain", Mode::Run);
    auto ext = form->add(Probe::kProgId, "Probe1");
    EXPECT_EQ(take(),
              (Log{"Probe1 Initialize at 0,0 size 4800x3600", "Probe1 InitProperties", "Probe1 Resize"}));
    form->show();
    form->show(); // already visible: nothing more
    EXPECT_EQ(take(), (Log{"Probe1 Show"}));
    EXPECT_TRUE(probe(ext)->isShown());
    // Added to a visible form, a control shows at once.
    form->add(Probe::kProgId, "Probe2");
    EXPECT_EQ(log(), (Log{"Probe2 Initialize at 0,0 size 4800x3600", "Probe2 InitProperties", "Probe2 Resize",
                          "Probe2 Show"}));
}

TEST_F(FormLifecycleTest, LoadedControlGetsItsExtenderValuesBeforeInitialiseAndReadsItsBag) {
    auto form = Form::create("frmMain", Mode::Run);
    form->show();
    PropertyBag bag;
    bag.put("caption", "Saved"); // keys are matched without letter case
    const ExtenderValues values{120, 240, 2000, 1000, true, "kept", 0, 0, true, "", false, false, ""};
    auto ext = form->addLoaded(Probe::kProgId, "Probe1", bag, values);
    EXPECT_EQ(log(), (Log{"Probe1 Initialize at 120,240 size 2000x1000",
                          "Probe1 ReadProperties Caption=Saved", "Probe1 Resize", "Probe1 Show"}));
    EXPECT_EQ(probe(ext)->Caption(), "Saved");
    EXPECT_EQ(ext->values(), values);
    // Loading is not a change: a loaded design-time form needs no saving.
    auto design = Form::create("frmDesign", Mode::Design);
    design->addLoaded(Probe::kProgId, "Probe1", bag, values);
    EXPECT_FALSE(design->needsSaving());
}

TEST_F(FormLifecycleTest, UnloadHidesEveryControlThenTerminatesEveryControl) {
    auto form = Form::create("frmMain", Mode::Run);
    auto a = form->add(Probe::kProgId, "A");
    auto b = form->add(Probe::kProgId, "B");
    b->setVisible(false);
    form->show();
    log().clear();
    EXPECT_TRUE(form->unload());
    EXPECT_TRUE(form->unload()); // again: nothing left to do
    EXPECT_EQ(log(), (Log{"A Hide", "A Terminate", "B Terminate"}));
    EXPECT_FALSE(form->isLoaded());
    EXPECT_FALSE(form->Visible());
    EXPECT_TRUE(form->controls().empty());
    EXPECT_FALSE(probe(a)->isSited());
    EXPECT_EQ(a->form(), nullptr);
    expectRefusals({{[&] { probe(a)->extender(); }, "398"}, {[&] { probe(a)->ambientUserMode(); }, "398"}});
    // With several shown controls the order is creation order, whatever the z-order.
    auto other = Form::create("frmOther", Mode::Run);
    other->add(Probe::kProgId, "C");
    other->add(Probe::kProgId, "D");
    other->control("C")->ZOrder();
    other->show();
    log().clear();
    other->unload();
    EXPECT_EQ(log(), (Log{"C Hide", "D Hide", "C Terminate", "D Terminate"}));
}

TEST_F(FormLifecycleTest, UnloadCancelledByItsHandlerLeavesTheFormAloneOtherwiseFinishesDespiteFailingHooks) {
    auto form = Form::create("frmMain", Mode::Run);
    form->add(Probe::kProgId, "A");
    form->show();
    log().clear();
    auto c = form->Unload.connect([](int16_t& cancel) { cancel = -1; });
    EXPECT_FALSE(form->unload());
    EXPECT_TRUE(log().empty());
    EXPECT_TRUE(form->Visible());
    EXPECT_EQ(form->controls().size(), 1u);
    // Not cancelled, it finishes despite failing hooks and reports the first failure.
    c.disconnect();
    auto b = form->add(Probe::kProgId, "B");
    probe(form->control("A"))->failIn = "Hide";
    probe(b)->failIn = "Terminate";
    log().clear();
    expectRefusals({{[&] { form->unload(); }, "5 probe fails in Hide"}});
    EXPECT_EQ(log(), (Log{"A Hide", "B Hide", "A Terminate", "B Terminate"}));
    EXPECT_FALSE(form->isLoaded());
}

TEST_F(FormLifecycleTest, AFailingInitialisationLeavesNoTrace) {
    auto form = Form::create("frmMain", Mode::Design);
    auto first = form->add(Probe::kProgId, "First");
    first->setDefault(true);
    auto quit = form->add(Probe::kProgId, "Quit");
    quit->setCancel(true);
    quit->setCancel(false); // the form has no cancel control again
    form->markSaved();
    // The control docks, resizes the form and takes the default role, then fails.
    auto failing = std::make_shared<Probe>();
    failing->failIn = "InitProperties";
    failing->holdFormWidth = 9000;
    failing->takeDefault = true;
    failing->logSizes = true;
    log().clear();
    expectRefusals({{[&] { form->add(failing, "Second"); }, "5"}});
    // Docked, it takes the form's inner width (4800 less two 4-pixel frames); its Resize handler then
    // widens the form, which docks it again from inside that handler.
    EXPECT_EQ(log(), (Log{"Second Initialize at 0,0 size 4800x3600", "Second Resize 4680x3600",
                          "Second Resize 8880x3600", "Second InitProperties", "Second Terminate"}));
    EXPECT_EQ(form->controls().size(), 2u);
    EXPECT_EQ(form->findControl("Second"), nullptr);
    EXPECT_FALSE(failing->isSited());
    EXPECT_TRUE(first->Default());
    EXPECT_FALSE(quit->Cancel());
    EXPECT_FALSE(form->needsSaving());
    EXPECT_FLOAT_EQ(form->Width(), 4800);
}

TEST_F(FormLifecycleTest, AFailingLoadLeavesNoTraceEither) {
    auto form = Form::create("frmMain", Mode::Run);
    form->show();
    PropertyBag bag;
    ExtenderValues inFrame, aligned;
    inFrame.container = "NoSuchFrame";
    aligned.align = 7;
    auto failing = std::make_shared<Probe>();
    failing->failIn = "Show";
    expectRefusals({{[&] { form->addLoaded(Probe::kProgId, "P", bag, inFrame); }, "380"},
                    {[&] { form->addLoaded(Probe::kProgId, "P", bag, aligned); }, "380"}});
    EXPECT_TRUE(log().empty()); // refused before any hook ran
    expectRefusals({{[&] { form->addLoaded(failing, "P", bag, {}); }, "5"}});
    EXPECT_EQ(log(), (Log{"P Initialize at 0,0 size 4800x3600", "P ReadProperties Caption=Probe", "P Resize",
                          "P Show", "P Hide", "P Terminate"}));
    EXPECT_TRUE(form->controls().empty());
}

TEST_F(FormLifecycleTest, NamesAndProgramIdsAreChecked) {
    auto form = Form::create("frmMain", Mode::Design);
    form->add(Probe::kProgId, "Probe1");
    auto add = [&](const char* name) { return [&form, name] { form->add(Probe::kProgId, name); }; };
    expectRefusals({
        {add(""), "380"},
        {add("1st"), "380"},
        {add("_x"), "380"},
        {add("probe1"), "380"},
        {add("Probe_2"), "0"},
        {add("P9"), "0"},
        {add("A2345678901234567890123456789012345678901"), "380"},
        {[&] { form->add("OvComCtlTest.Nothing", "X"); }, "429"},
        {[&] { form->add(probe(form->control("P9")), "Again"); }, "5"},
    });
}

} // namespace
} // namespace ovtest
