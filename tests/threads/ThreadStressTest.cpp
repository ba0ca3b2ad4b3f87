// Threads side by side, each running whole wizards on a runtime of its own, and a thread that keeps
// reaching for a wizard of another thread while its owner walks it. What the ThreadSanitizer build
// runs (make tsan), with the cross-thread refusals; too long for the everyday test run.
#include "platform/CommandButton.h"
#include "platform/FailureCapture.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/Runtime.h"
#include "wizard/CPages.h"
#include "wizard/OvWizardNavigator.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

namespace ovtest {
namespace {

using ov::Form;
using ov::FormRef;
using ov::Mode;
using ov::ovEn_Button_Position;
using ov::Runtime;

constexpr int kIterations = 1000;

std::string designedWizard() {
    auto form = Form::create("frmStress", Mode::Design);
    form->add("OvComCtl.OvWizardNavigator", "Nav");
    for (const char* name : {"Welcome", "License", "Options", "Done"})
        form->add("OvComCtl.OvWizardTab", name)->let("BannerTitle", std::string("About ") + name);
    return ov::FormFile::write(*form, "stress.json");
}

// Loads the wizard, walks it three pages on and one back, and answers what went wrong (empty: nothing).
std::string walkOnce(const std::string& file) {
    Runtime own;
    FormRef form = ov::FormFile::read(file, "stress.json", Mode::Run);
    form->show();
    auto nav = form->control<ov::OvWizardNavigator>("Nav");
    auto& next = nav->button(ovEn_Button_Position::ovBPRightMiddle);
    auto& back = nav->button(ovEn_Button_Position::ovBPLeftMiddle);
    std::string path = nav->CurrentPage()->Name();
    for (auto* button : {&next, &next, &next, &back}) {
        form->click(*button);
        path += " " + nav->CurrentPage()->Name();
    }
    const auto pages = form->control("Nav")->get("WizardPages").toObject()->get("Count").toInt32();
    form->unload();
    if (path != "Welcome License Options Done Options" || pages != 4)
        return path + " with " + std::to_string(pages) + " pages";
    return {};
}

class ThreadStressTest : public ::testing::TestWithParam<int> {};

TEST_P(ThreadStressTest, ThreadsWithRuntimesOfTheirOwnRunWizardsSideBySide) {
    const int threads = GetParam();
    std::vector<std::string> findings(threads);
    std::vector<std::thread> running;
    for (int t = 0; t < threads; ++t) {
        running.emplace_back([&findings, t] {
            Runtime own;
            const std::string file = designedWizard();
            for (int i = 0; i < kIterations && findings[t].empty(); ++i)
                findings[t] = walkOnce(file);
        });
    }
    for (auto& t : running)
        t.join();
    for (int t = 0; t < threads; ++t)
        EXPECT_EQ(findings[t], "") << "thread " << t;
}

INSTANTIATE_TEST_SUITE_P(TwoAndFour, ThreadStressTest, ::testing::Values(2, 4));

TEST(ThreadIntruderTest, EveryReachFromAnotherThreadIsRefusedWhileTheOwnerWalksItsWizard) {
    Runtime runtime;
    FormRef form = ov::FormFile::read(designedWizard(), "stress.json", Mode::Run);
    form->show();
    auto nav = form->control<ov::OvWizardNavigator>("Nav");
    auto navSite = form->control("Nav");
    auto& next = nav->button(ovEn_Button_Position::ovBPRightMiddle);
    auto& back = nav->button(ovEn_Button_Position::ovBPLeftMiddle);

    const std::vector<std::function<void()>> reaches = {
        [&] { form->click(next); },
        [&] { form->pressKey(13); },
        [&] { form->control("Nav"); },
        [&] { navSite->get("CurrentPage"); },
        [&] { navSite->let("StartPage", 2); },
        [&] { nav->AfterPageChange.connect([](auto...) {}); },
    };
    int refused = 0;
    std::thread intruder([&] {
        Runtime own;
        for (int i = 0; i < kIterations; ++i) {
            for (const auto& reach : reaches)
                refused += ov::test::failureNumber(reach) == ov::err::WrongThread ? 1 : 0;
        }
    });
    for (int i = 0; i < kIterations; ++i) {
        form->click(next);
        form->click(back);
    }
    intruder.join();
    EXPECT_EQ(refused, kIterations * static_cast<int>(reaches.size()));
    EXPECT_EQ(nav->CurrentPage()->Name(), "Welcome");
    EXPECT_EQ(nav->StartPage(), 1);
    form->unload();
}

} // namespace
} // namespace ovtest
