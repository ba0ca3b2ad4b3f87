// The captions files of the navigator and of a page: one writer, one encoding, nothing written outside
// the application folder; each control keeps its own failure rule.
#include "wizard/CaptionsFile.h"

#include "platform/Extender.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/Runtime.h"
#include "support/ShownBoxes.h"
#include "support/TestFiles.h"
#include "wizard/CWizardNavigator.h"
#include "wizard/OvWizardNavigator.h"
#include "wizard/OvWizardTab.h"
#include "wizard/WizardGlobals.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace ov {
namespace {

namespace fs = std::filesystem;

using ovtest::readAll;

void writeText(const fs::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary) << text;
}

// A design form with a navigator "Nav" and the pages "Step1" and "Step2"; the application folder is `app`,
// and `outside` is a folder beside it that nothing may reach.
class CaptionsFileTest : public ::testing::Test {
protected:
    Runtime runtime;
    ovtest::TestFolder root{"ovcaptions"};
    fs::path app = root / "app";
    fs::path outside = root / "outside";
    FormRef form;
    std::shared_ptr<OvWizardNavigator> nav;
    std::shared_ptr<OvWizardTab> step, last;
    std::vector<std::string> log;
    std::vector<ScopedConnection> watching;

    void SetUp() override {
        fs::create_directories(app);
        fs::create_directories(outside);
        runtime.application().path = app.string();
        form = Form::create("frmWizard", Mode::Design);
        nav = form->add("OvComCtl.OvWizardNavigator", "Nav")->controlAs<OvWizardNavigator>();
        step = form->add("OvComCtl.OvWizardTab", "Step1")->controlAs<OvWizardTab>();
        last = form->add("OvComCtl.OvWizardTab", "Step2")->controlAs<OvWizardTab>();
        watching.emplace_back(nav->OnError.connect([this](int32_t n, std::string d, std::string s) {
            log.push_back("Nav.OnError " + std::to_string(n) + " " + d + " | " + s);
        }));
        watching.emplace_back(
            wizardThreadState().mediator->OnError.connect([this](int32_t n, std::string d, std::string s) {
                log.push_back("mediator.OnError " + std::to_string(n) + " " + d + " | " + s);
            }));
    }
    void TearDown() override {
        watching.clear();
        form.reset();
    }
    const std::vector<HeadlessMessageBox::Shown>& boxes() { return runtime.headlessMessageBox().shown(); }
};

TEST_F(CaptionsFileTest, EachControlWritesItsCaptionsAtDesignTimeOnly) {
    const std::string eq(80, '='), dash(80, '-');
    nav->setRightButtonCaption("&Abort");
    nav->let("SaveCaptionsToFile", Variant(false));
    EXPECT_FALSE(nav->SaveCaptionsToFile());
    EXPECT_EQ(readAll(app / "Nav.txt"), "Nav captions:\r\n" + eq + "\r\n" +                           //
                                            "\r\nLeftButton Caption: \r\n&Help\r\n" + dash + "\r\n" + //
                                            "\r\nLeftMiddleButton Caption: \r\n< &Back\r\n" + dash +
                                            "\r\n" + //
                                            "\r\nRightMiddleButton Caption: \r\n&Next >\r\n" + dash + "\r\n" +
                                            "\r\nRightButton Caption: \r\n&Abort\r\n" + eq + "\r\n");

    last->setBannerTitle("Copy");
    last->setBannerDescription("Line one\r\nLine two");
    last->setButtonCaption(ovEn_Button_Position::ovBPLeftMiddle, "< Zur&ück");
    last->setSaveCaptionsToFile(true);
    EXPECT_FALSE(last->SaveCaptionsToFile());
    EXPECT_EQ(readAll(app / "Step2.txt"),
              "Step2 captions:\r\n\r\nPage Mode: CompletePage\r\n" + eq + "\r\n" +        //
                  "\r\nBannerTitle: \r\nCopy\r\n" + dash + "\r\n" +                       //
                  "\r\nBannerDescription: \r\nLine one\r\nLine two\r\n" + dash + "\r\n" + //
                  "\r\nWatermarkTitle: \r\nWelcome to ...\r\n" + dash + "\r\n" +          //
                  "\r\nWatermarkDescription: \r\nDescription\r\n" + dash + "\r\n" +       //
                  "\r\nWatermarkRule: \r\nTo continue, click Next.\r\n" + dash + "\r\n" + //
                  "\r\nLeftButton Caption: \r\n&Help\r\n" + dash + "\r\n" +               //
                  "\r\nLeftMiddleButton Caption: \r\n< Zur&\xFC"
                  "ck\r\n" +
                  dash + "\r\n" +                                                    //
                  "\r\nRightMiddleButton Caption: \r\n&Next >\r\n" + dash + "\r\n" + //
                  "\r\nRightButton Caption: \r\nCancel\r\n" + eq + "\r\n");

    // A page's mode is named; any value outside the enumeration counts as completion.
    const std::pair<int32_t, const char*> modes[] = {{0, "WelcomePage"},
                                                     {1, "InteriorPage"},
                                                     {2, "CompletePage"},
                                                     {7, "CompletePage"},
                                                     {-1, "CompletePage"}};
    for (auto [mode, name] : modes) {
        step->setPageMode(static_cast<En_Page_Mode>(mode));
        step->let("SaveCaptionsToFile", false);
        const std::string text = readAll(app / "Step1.txt");
        EXPECT_EQ(text.substr(0, text.find("\r\n=")),
                  std::string("Step1 captions:\r\n\r\nPage Mode: ") + name);
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 40);
    }

    // A running wizard writes nothing.
    fs::remove(app / "Nav.txt");
    fs::remove(app / "Step1.txt");
    const std::string file = FormFile::write(*form, "wizard.json");
    watching.clear();
    form->unload();
    form = FormFile::read(file, "wizard.json", Mode::Run);
    form->control("Nav")->let("SaveCaptionsToFile", true);
    form->control("Step1")->let("SaveCaptionsToFile", true);
    EXPECT_FALSE(fs::exists(app / "Nav.txt"));
    EXPECT_FALSE(fs::exists(app / "Step1.txt"));
    EXPECT_TRUE(boxes().empty());
}

TEST_F(CaptionsFileTest, BothControlsWriteWindows1252WithQuestionMarksForWhatItCannotHold) {
    // "€", "ü" and "é" are in the code page (0x80, 0xFC, 0xE9); "中" and "ő" are not; a lone 0xFF is
    // broken UTF-8.
    const std::string caption = "\xE2\x82\xAC Zur\xC3\xBC"
                                "ck \xE4\xB8\xAD \xC5\x91 \xFF \xC3\xA9";
    const std::string expected = "\x80 Zur\xFC"
                                 "ck ? ? ? \xE9";
    nav->setRightButtonCaption(caption);
    step->setBannerTitle(caption);
    nav->let("SaveCaptionsToFile", true);
    step->let("SaveCaptionsToFile", true);
    EXPECT_NE(readAll(app / "Nav.txt").find("\r\nRightButton Caption: \r\n" + expected + "\r\n"),
              std::string::npos);
    EXPECT_NE(readAll(app / "Step1.txt").find("\r\nBannerTitle: \r\n" + expected + "\r\n"),
              std::string::npos);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(CaptionsFile::toWindows1252("\xE2\x80\x9C"
                                          "a"
                                          "\xE2\x80\x9D"),
              "\x93"
              "a"
              "\x94");
}

TEST_F(CaptionsFileTest, ARegularFileOfTheNameIsRewrittenInPlace) {
    writeText(app / "Nav.txt", std::string(5000, '#'));
    chmod((app / "Nav.txt").c_str(), 0600);
    nav->let("SaveCaptionsToFile", false);
    const std::string text = readAll(app / "Nav.txt");
    EXPECT_EQ(text.rfind("Nav captions:\r\n", 0), 0u);
    EXPECT_EQ(text.find('#'), std::string::npos);
    struct stat st {};
    ASSERT_EQ(stat((app / "Nav.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

// What lies in the application folder under the captions file's name, or what the folder is, and the
// failure the navigator reports: "{file}" stands for the file's path, "{app}" for the folder's.
struct Hostile {
    const char* what;
    std::function<void(const fs::path& file, const fs::path& outside, Runtime& runtime)> arrange;
    int32_t number;
    const char* description;
};

const std::vector<Hostile>& hostiles() {
    static const std::string link = "Path/File access error: {file}: a symbolic link, which is not followed";
    static const std::vector<Hostile> table{
        {"a link to a file outside",
         [](const fs::path& file, const fs::path& out, Runtime&) {
             writeText(out / "victim.txt", "keep");
             fs::create_symlink(out / "victim.txt", file);
         },
         75, link.c_str()},
        {"a dangling link",
         [](const fs::path& file, const fs::path& out, Runtime&) {
             fs::create_symlink(out / "created.txt", file);
         },
         75, link.c_str()},
        {"a hard link to a file outside",
         [](const fs::path& file, const fs::path& out, Runtime&) {
             writeText(out / "victim.txt", "keep");
             fs::create_hard_link(out / "victim.txt", file);
         },
         75, "Path/File access error: {file}: the file has other names (hard links) and is not written"},
        {"a folder", [](const fs::path& file, const fs::path&, Runtime&) { fs::create_directory(file); }, 75,
         "Path/File access error: {file}: a folder, not a file"},
        {"a FIFO without a reader",
         [](const fs::path& file, const fs::path&, Runtime&) { ASSERT_EQ(mkfifo(file.c_str(), 0644), 0); },
         75, "Path/File access error: {file}: a FIFO, not a regular file"},
        {"an empty application path",
         [](const fs::path&, const fs::path&, Runtime& rt) { rt.application().path.clear(); }, 76,
         "Path not found: the folder to write Nav.txt into is not set"},
        {"a missing application folder",
         [](const fs::path&, const fs::path&, Runtime& rt) { rt.application().path += "/missing"; }, 76,
         "Path not found: {app}/missing"},
    };
    return table;
}

std::string expand(std::string text, const fs::path& file, const fs::path& app) {
    for (auto [key, value] : {std::pair{"{file}", file.string()}, {"{app}", app.string()}})
        if (auto at = text.find(key); at != std::string::npos) text.replace(at, std::strlen(key), value);
    return text;
}

// Nothing outside the application folder changed: the victim keeps its text, no file was created
// beside it, at the root or in the current folder.
void expectOutsideUntouched(const fs::path& outside, const std::string& leaf, const std::string& what) {
    if (fs::exists(outside / "victim.txt")) {
        EXPECT_EQ(readAll(outside / "victim.txt"), "keep") << what;
    }
    EXPECT_FALSE(fs::exists(outside / "created.txt")) << what;
    EXPECT_FALSE(fs::exists(fs::path("/") / leaf)) << what;
    EXPECT_FALSE(fs::exists(fs::current_path() / leaf)) << what;
}

// The navigator reports a refused file through its error convention; a page swallows it. Neither writes
// anywhere else.
TEST_F(CaptionsFileTest, ARefusedFileIsReportedByTheNavigatorAndSwallowedByAPage) {
    for (const Hostile& h : hostiles()) {
        SCOPED_TRACE(h.what);
        fs::remove_all(app);
        fs::remove_all(outside);
        fs::create_directories(app);
        fs::create_directories(outside);
        runtime.application().path = app.string();
        runtime.headlessMessageBox().clear();
        log.clear();
        h.arrange(app / "Step1.txt", outside, runtime);
        step->let("SaveCaptionsToFile", true);
        EXPECT_TRUE(log.empty());
        EXPECT_TRUE(boxes().empty());
        EXPECT_EQ(step->lastError().number, 0);
        expectOutsideUntouched(outside, "Step1.txt", h.what);

        fs::remove_all(outside);
        fs::create_directories(outside);
        runtime.application().path = app.string();
        const fs::path file = app / "Nav.txt";
        h.arrange(file, outside, runtime);
        nav->let("SaveCaptionsToFile", true);
        const std::string description = expand(h.description, file, app);
        const std::string source = "Nav::SaveCaptionsToFile (Let)";
        EXPECT_EQ(log, std::vector<std::string>{"Nav.OnError " + std::to_string(h.number) + " " +
                                                description + " | " + source});
        EXPECT_EQ(ovtest::shownBoxes(runtime),
                  std::vector<std::string>{source + " | 48 | Error: " + std::to_string(h.number) + "\r\n" +
                                           description});
        EXPECT_EQ(nav->lastError().number, h.number);
        expectOutsideUntouched(outside, "Nav.txt", h.what);
    }
}

} // namespace
} // namespace ov
