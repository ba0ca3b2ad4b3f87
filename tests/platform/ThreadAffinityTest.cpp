// A form, its controls and the objects they hand out belong to the thread that made them, and a form
// does not outlive its runtime unnoticed.
#include "platform/FailureCapture.h"
#include "platform/FormFile.h"
#include "platform/OtherThread.h"
#include "platform/ProbeControl.h"
#include "platform/PropertyBag.h"
#include "support/WizardFixture.h"

#include <functional>
#include <thread>

namespace ovtest {
namespace {

using ov::ExtenderRef;
using ov::Form;
using ov::FormRef;
using ov::Mode;
using ov::Runtime;
using ov::test::failureFrom;
using ov::test::failureText;
using Log = std::vector<std::string>;

// The subject a call's refusal names, and the call.
using Use = std::pair<const char*, std::function<void()>>;

// A control that notes the runtime current while it terminates.
class Witness : public ov::UserControl {
    OV_OBJECT(Witness)
public:
    static void describe(ov::ClassBuilder<Witness>&) {}
    Runtime* terminatedUnder = nullptr;

protected:
    void onTerminate() override { terminatedUnder = &Runtime::current(); }
};

const ov::ClassInfo& Witness::staticClass() {
    return ov::buildClassInfo<Witness>([](ov::ClassInfo& i) {
        i.kind = ov::ClassInfo::Kind::Control;
        i.published = false;
    });
}

// A shown run-time wizard of three pages, designed and loaded on the test's thread.
class ThreadAffinityTest : public WizardFixture {
protected:
    void SetUp() override {
        design({"Welcome", "License", "Options"});
        reload(Mode::Run);
        form->show();
    }
    void TearDown() override { form->unload(); }

    ov::CommandButton& next() { return nav->button(RightMiddle); }
    std::string currentPage() { return nav->CurrentPage()->Name(); }

    // Each call fails on another thread with the exact WrongThread failure naming its subject.
    void expectRefused(const std::vector<Use>& uses) {
        for (const auto& [subject, call] : uses)
            EXPECT_EQ(refusedElsewhere(call), wrongThread(subject));
    }
};

// Every operation of a form, its controls and the objects they hand out, typed or by name, fails at
// once on another thread: typed procedures of the wizard controls check the thread before their body
// runs, so the failure reaches the caller, not the control's error reporting, and nothing moves.
TEST_F(ThreadAffinityTest, EveryUseOfAFormAndItsControlsFailsAtOnceOnAnotherThread) {
    ExtenderRef welcome = form->control("Welcome");
    ExtenderRef navSite = form->control("Nav");
    auto pages = nav->WizardPages();
    auto page = pages->Item(ov::Variant(2));
    auto license = form->control<ov::OvWizardTab>("License");
    ov::ObjectRef controls = form->Controls();
    ov::CommandButton& button = next();
    ov::PropertyBag bag;
    const std::string caption = button.Caption();
    const std::string title = license->BannerTitle();
    int heard = 0;
    auto connection = form->Resize.connect([&] { ++heard; });
    expectRefused({
        {"frmWizard.add", [&] { form->add("OvComCtl.OvWizardTab", "Done"); }},
        {"frmWizard.addLoaded", [&] { form->addLoaded("OvComCtl.OvWizardTab", "Done", bag, {}); }},
        {"frmWizard.remove", [&] { form->remove("Options"); }},
        {"frmWizard.control", [&] { form->control("Nav"); }},
        {"frmWizard.control", [&] { form->control<ov::OvWizardNavigator>("Nav"); }},
        {"frmWizard.findControl", [&] { form->findControl("Nav"); }},
        {"frmWizard.Controls", [&] { form->Controls(); }},
        {"frmWizard.show", [&] { form->show(); }},
        {"frmWizard.hide", [&] { form->hide(); }},
        {"frmWizard.unload", [&] { form->unload(); }},
        {"frmWizard.showModal", [&] { form->showModal(); }},
        {"frmWizard.click", [&] { form->click(button); }},
        {"frmWizard.click", [&] { form->click(*welcome); }},
        {"frmWizard.doubleClick", [&] { form->doubleClick(button); }},
        {"frmWizard.mouse input", [&] { form->mouseDown(button, 1, 0, 10, 10); }},
        {"frmWizard.mouse input", [&] { form->mouseUp(*welcome, 1, 0, 10, 10); }},
        {"frmWizard.pressKey", [&] { form->pressKey(13); }},
        {"frmWizard.focus", [&] { form->focus(*welcome, nullptr); }},
        {"frmWizard.save", [&] { form->save("never-written.json"); }},
        {"frmWizard.write", [&] { ov::FormFile::write(*form, "never-written.json"); }},
        {"frmWizard.Caption", [&] { form->get("Caption"); }},
        {"frmWizard.Caption", [&] { form->let("Caption", "Setup"); }},
        {"frmWizard.Hide", [&] { form->call("Hide"); }},
        {"frmWizard.Resize", [&] { form->on("Resize", [](ov::Args&) {}); }},
        {"connecting to an event", [&] { form->Resize.connect([] {}); }},
        {"connecting to an event", [&] { nav->AfterPageChange.connect([](auto...) {}); }},
        {"raising an event", [&] { form->Resize(); }},
        {"OvWizardNavigator.StartPage", [&] { navSite->let("StartPage", 2); }},
        {"OvWizardNavigator.WizardPages", [&] { nav->get("WizardPages"); }},
        {"OvWizardNavigator.GoToNewPage", [&] { navSite->call("GoToNewPage", {ov::Variant(page)}); }},
        {"OvWizardNavigator.BeforePageChange", [&] { navSite->on("BeforePageChange", [](ov::Args&) {}); }},
        {"CPages.Count", [&] { pages->get("Count"); }},
        {"CPage.PageNext", [&] { page->let("PageNext", 1); }},
        {"CommandButton.Caption", [&] { button.let("Caption", "&Onward"); }},
        {"Controls.Count", [&] { controls->get("Count"); }},
        {"OvWizardNavigator.NextClick", [&] { nav->NextClick(); }},
        {"OvWizardNavigator.StartPage (Let)", [&] { nav->setStartPage(2); }},
        {"OvWizardTab.BannerTitle (Let)", [&] { license->setBannerTitle("Elsewhere"); }},
    });

    // Nothing was touched.
    EXPECT_EQ(std::tuple(form->controls().size(), form->Visible(), form->Caption(),
                         form->Resize.handlerCount(), heard),
              std::tuple(4u, true, "frmWizard", 1u, 0));
    EXPECT_EQ(std::tuple(nav->WizardPages()->Count(), currentPage(), nav->StartPage(), page->PageNext()),
              std::tuple(3, "Welcome", 1, 3));
    EXPECT_EQ(std::tuple(button.Caption(), license->BannerTitle()), std::tuple(caption, title));
    EXPECT_EQ(errors(), Log{});
    EXPECT_TRUE(runtime.headlessMessageBox().shown().empty());
    // Immutable fonts are shared by every thread.
    ov::ObjectRef font = form->get("Font").toObject();
    std::string name;
    EXPECT_EQ(refusedElsewhere([&] { name = font->get("Name").toString(); }), "");
    EXPECT_EQ(name, "MS Sans Serif");
    // And it all still works on its own thread.
    form->Resize();
    EXPECT_EQ(heard, 1);
    EXPECT_TRUE(form->click(next()));
    EXPECT_EQ(currentPage(), "License");
}

TEST_F(ThreadAffinityTest, APageAddedFromAnotherThreadRegistersNowhere) {
    const int64_t objects = ov::Object::liveCount();
    bool registryThere = true;
    EXPECT_EQ(refusedElsewhere([&] {
                  try {
                      form->add("OvComCtl.OvWizardTab", "Done");
                  } catch (...) {
                      registryThere = ov::wizardThreadState().registry != nullptr;
                      throw;
                  }
              }),
              wrongThread("frmWizard.add"));
    EXPECT_FALSE(registryThere); // the other thread's runtime never saw a wizard page
    EXPECT_EQ(ov::Object::liveCount(), objects);
    EXPECT_EQ(nav->WizardPages()->Count(), 3);
    EXPECT_EQ(form->findControl("Done"), nullptr);

    // Added on its own thread, the fourth page is on the form and in the navigator's pages alike.
    form->add("OvComCtl.OvWizardTab", "Done");
    EXPECT_EQ(form->controls().size(), 5u);
    EXPECT_EQ(nav->WizardPages()->Count(), 4);
}

std::string disconnected(const std::string& subject) {
    return "The object invoked has disconnected from its clients (" + subject +
           ": the runtime the form was made under has ended)";
}

TEST(FormRuntimeTest, AFormOutlivingItsRuntimeEndsWithItAndRefusesEveryLaterUse) {
    Probe::registerOnce();
    Probe::journal().clear();
    Runtime outer;
    FormRef form;
    std::shared_ptr<ov::CPages> registry;
    {
        Runtime inner;
        form = Form::create("frmInner", Mode::Run);
        form->add(Probe::kProgId, "A");
        form->add("OvComCtl.OvWizardNavigator", "Nav");
        form->add("OvComCtl.OvWizardTab", "Welcome");
        form->add(Probe::kProgId, "B");
        form->show();
        registry = ov::wizardThreadState().registry;
        ASSERT_EQ(registry->Count(), 1);
        Probe::journal().clear();
    }
    // The controls ended under their own runtime, in creation order, without an Unload to cancel.
    EXPECT_EQ(Probe::journal(), (Log{"A Hide", "A Terminate", "B Hide", "B Terminate"}));
    EXPECT_EQ(registry->Count(), 0);
    EXPECT_EQ(ov::wizardThreadState().registry, nullptr); // the outer runtime never saw the page
    EXPECT_TRUE(form->controls().empty());
    EXPECT_FALSE(form->Visible());

    ov::PropertyBag bag;
    const Use uses[] = {
        {"frmInner.show", [&] { form->show(); }},
        {"frmInner.add", [&] { form->add(Probe::kProgId, "C"); }},
        {"frmInner.addLoaded", [&] { form->addLoaded(Probe::kProgId, "C", bag, {}); }},
        {"frmInner.control", [&] { form->control("A"); }},
        {"frmInner.pressKey", [&] { form->pressKey(27); }},
        {"frmInner.unload", [&] { form->unload(); }},
        {"frmInner.write", [&] { ov::FormFile::write(*form, "never-written.json"); }},
        {"frmInner.Caption", [&] { form->let("Caption", "Again"); }},
    };
    for (const auto& [subject, call] : uses)
        EXPECT_EQ(failureText(call), std::to_string(ov::err::Disconnected) + " " + disconnected(subject));
    EXPECT_EQ(Probe::journal().size(), 4u);
    EXPECT_TRUE(outer.headlessMessageBox().shown().empty());
}

TEST(FormRuntimeTest, ARuntimeEndedOutOfTurnOrDroppedUnderANewerOneEndsItsFormsUnderItself) {
    auto first = std::make_unique<Runtime>();
    Runtime* made = first.get();
    FormRef form = Form::create("frmFirst", Mode::Design);
    auto witness = std::make_shared<Witness>();
    form->add(witness, "Witness");
    Runtime second; // now the current one
    first.reset();
    EXPECT_EQ(witness->terminatedUnder, made);
    EXPECT_EQ(&Runtime::current(), &second);
    EXPECT_EQ(failureFrom([&] { form->show(); })->number(), ov::err::Disconnected);
    // A form dropped while a newer runtime is current ends under its own.
    auto late = std::make_shared<Witness>();
    FormRef own = Form::create("frmShort", Mode::Design);
    own->add(late, "Witness");
    {
        Runtime nested;
        own.reset();
        EXPECT_EQ(late->terminatedUnder, &second);
        EXPECT_EQ(&Runtime::current(), &nested);
    }
}

TEST(FormRuntimeTest, AFormOfAThreadThatHasEndedIsRefusedAndMayBeDroppedAnywhere) {
    Runtime rt;
    FormRef form;
    std::thread::id maker;
    std::thread worker([&] {
        Runtime own;
        maker = std::this_thread::get_id();
        form = Form::create("frmWorker", Mode::Run);
        form->add("OvComCtl.OvWizardNavigator", "Nav");
    });
    worker.join();
    EXPECT_EQ(failureText([&] { form->show(); }),
              wrongThread("frmWorker.show", threadText(maker), threadText(std::this_thread::get_id())));
    EXPECT_TRUE(form->controls().empty()); // ended with the worker's runtime
    form.reset();
}

TEST(FormThreadDeathTest, ALiveFormDroppedOnAnotherThreadStopsTheProcessSayingWhy) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            Runtime rt;
            FormRef form = Form::create("frmMain", Mode::Run);
            std::thread dropper([f = std::move(form)]() mutable { f.reset(); });
            dropper.join();
        },
        "frmMain.~Form: the last reference to the form was dropped on thread");
}

} // namespace
} // namespace ovtest
