// The captions files of the navigator and of a page: one writer, one encoding, nothing written outside
// the application folder; each control keeps its own failure rule.
#include "wizard/CaptionsFile.h"

#include "support/TestFiles.h"
#include "support/WizardFixture.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace ov {
namespace {

namespace fs = std::filesystem;

using ovtest::readAll;
using Log = std::vector<std::string>;

void writeText(const fs::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary) << text;
}

// One field of a captions file: its name, its text and the rule under it.
std::string field(const std::string& name, const std::string& text, const std::string& rule) {
    return "\r\n" + name + ": \r\n" + text + "\r\n" + rule + "\r\n";
}

// A design form with a navigator "Nav" and the pages "Step1" and "Step2"; the application folder is `app`,
// and `outside` is a folder beside it that nothing may reach.
class CaptionsFileTest : public ovtest::WizardFixture {
protected:
    ovtest::TestFolder root{"ovcaptions"};
    fs::path app = root / "app";
    fs::path outside = root / "outside";
    std::shared_ptr<OvWizardTab> step, last;

    void SetUp() override {
        fresh();
        design({"Step1", "Step2"});
        step = page("Step1");
        last = page("Step2");
        watching.emplace_back(nav->OnError.connect([this](int32_t n, std::string d, std::string s) {
            log.push_back("Nav.OnError " + std::to_string(n) + " " + d + " | " + s);
        }));
        watching.emplace_back(mediator().OnError.connect([this](int32_t n, std::string d, std::string s) {
            log.push_back("mediator.OnError " + std::to_string(n) + " " + d + " | " + s);
        }));
    }
    // Empty application and outside folders, no message box shown, nothing logged.
    void fresh() {
        for (const fs::path& folder : {app, outside}) {
            fs::remove_all(folder);
            fs::create_directories(folder);
        }
        runtime.application().path = app.string();
        runtime.headlessMessageBox().clear();
        log.clear();
    }
};

TEST_F(CaptionsFileTest, EachControlWritesItsCaptionsAtDesignTimeOnly) {
    const std::string eq(80, '='), dash(80, '-');
    nav->setRightButtonCaption("&Abort");
    nav->let("SaveCaptionsToFile", Variant(false));
    EXPECT_FALSE(nav->SaveCaptionsToFile());
    EXPECT_EQ(readAll(app / "Nav.txt"), "Nav captions:\r\n" + eq + "\r\n" +
                                            field("LeftButton Caption", "&Help", dash) +
                                            field("LeftMiddleButton Caption", "< &Back", dash) +
                                            field("RightMiddleButton Caption", "&Next >", dash) +
                                            field("RightButton Caption", "&Abort", eq));
    last->setBannerTitle("Copy");
    last->setBannerDescription("Line one\r\nLine two");
    last->setButtonCaption(ovEn_Button_Position::ovBPLeftMiddle, "< Zur&ück");
    last->setSaveCaptionsToFile(true);
    EXPECT_FALSE(last->SaveCaptionsToFile());
    EXPECT_EQ(readAll(app / "Step2.txt"), "Step2 captions:\r\n\r\nPage Mode: CompletePage\r\n" + eq + "\r\n" +
                                              field("BannerTitle", "Copy", dash) +
                                              field("BannerDescription", "Line one\r\nLine two", dash) +
                                              field("WatermarkTitle", "Welcome to ...", dash) +
                                              field("WatermarkDescription", "Description", dash) +
                                              field("WatermarkRule", "To continue, click Next.", dash) +
                                              field("LeftButton Caption", "&Help", dash) +
                                              field("LeftMiddleButton Caption", "< Zur&\374ck", dash) +
                                              field("RightMiddleButton Caption", "&Next >", dash) +
                                              field("RightButton Caption", "Cancel", eq));

    // A page's mode is named; any value outside the enumeration counts as completion.
    const std::pair<int32_t, const char*> modes[] = {{0, "WelcomePage"},
                                                     {1, "InteriorPage"},
                                                     {2, "CompletePage"},
                                                     {7, "CompletePage"},
                                                     {-1, "CompletePage"}};
    for (auto [mode, name] : modes) {
        step->setPageMode(static_cast<En_Page_Mode>(mode));
        step->let("SaveCaptionsToFile", false);
        const std::string written = readAll(app / "Step1.txt");
        EXPECT_EQ(written.substr(0, written.find("\r\n=")),
                  std::string("Step1 captions:\r\n\r\nPage Mode: ") + name);
        EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 40);
    }

    // A running wizard writes nothing.
    fs::remove(app / "Nav.txt");
    fs::remove(app / "Step1.txt");
    load(text(), Mode::Run);
    nav->let("SaveCaptionsToFile", true);
    page("Step1")->let("SaveCaptionsToFile", true);
    EXPECT_EQ(std::tuple(fs::exists(app / "Nav.txt"), fs::exists(app / "Step1.txt"), shownBoxes()),
              std::tuple(false, false, Log{}));
}

TEST_F(CaptionsFileTest, BothControlsWriteWindows1252WithQuestionMarksForWhatItCannotHold) {
    // "€", "ü" and "é" are in the code page (0x80, 0xFC, 0xE9, written in octal below); "中" and "ő" are
    // not; a lone 0xFF is broken UTF-8.
    const std::string caption = "€ Zurück 中 ő \xFF é";
    const std::string expected = "\200 Zur\374ck ? ? ? \351";
    nav->setRightButtonCaption(caption);
    step->setBannerTitle(caption);
    nav->let("SaveCaptionsToFile", true);
    step->let("SaveCaptionsToFile", true);
    EXPECT_NE(readAll(app / "Nav.txt").find("\r\nRightButton Caption: \r\n" + expected + "\r\n"),
              std::string::npos);
    EXPECT_NE(readAll(app / "Step1.txt").find("\r\nBannerTitle: \r\n" + expected + "\r\n"),
              std::string::npos);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(CaptionsFile::toWindows1252("“a”"), "\223a\224"); // 0x93 and 0x94
}

TEST_F(CaptionsFileTest, ARegularFileOfTheNameIsRewrittenInPlace) {
    writeText(app / "Nav.txt", std::string(5000, '#'));
    chmod((app / "Nav.txt").c_str(), 0600);
    nav->let("SaveCaptionsToFile", false);
    const std::string text = readAll(app / "Nav.txt");
    EXPECT_EQ(text.rfind("Nav captions:\r\n", 0), 0u);
    EXPECT_EQ(text.find('#'), std::string::npos);
    EXPECT_EQ(fs::status(app / "Nav.txt").permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

// What lies in the application folder under the captions file's name (`file`), or what the folder is, and
// the failure the navigator reports: "{file}" stands for the file's path, "{app}" for the folder's.
struct Hostile {
    const char* what;
    std::function<void(const fs::path& file, const fs::path& outside, Runtime& runtime)> arrange;
    int32_t number;
    const char* description;
};

const std::vector<Hostile>& hostiles() {
    static const std::string link = "Path/File access error: {file}: a symbolic link, which is not followed";
    auto victim = [](const fs::path& out) {
        writeText(out / "victim.txt", "keep");
        return out / "victim.txt";
    };
    static const std::vector<Hostile> table{
        {"a link to a file outside",
         [=](auto& file, auto& out, auto&) { fs::create_symlink(victim(out), file); }, 75, link.c_str()},
        {"a dangling link",
         [](auto& file, auto& out, auto&) { fs::create_symlink(out / "created.txt", file); }, 75,
         link.c_str()},
        {"a hard link to a file outside",
         [=](auto& file, auto& out, auto&) { fs::create_hard_link(victim(out), file); }, 75,
         "Path/File access error: {file}: the file has other names (hard links) and is not written"},
        {"a folder", [](auto& file, auto&, auto&) { fs::create_directory(file); }, 75,
         "Path/File access error: {file}: a folder, not a file"},
        {"a FIFO without a reader",
         [](auto& file, auto&, auto&) { ASSERT_EQ(mkfifo(file.c_str(), 0644), 0); }, 75,
         "Path/File access error: {file}: a FIFO, not a regular file"},
        {"an empty application path", [](auto&, auto&, Runtime& rt) { rt.application().path.clear(); }, 76,
         "Path not found: the folder to write Nav.txt into is not set"},
        {"a missing application folder",
         [](auto&, auto&, Runtime& rt) { rt.application().path += "/missing"; }, 76,
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
        fresh();
        h.arrange(app / "Step1.txt", outside, runtime);
        step->let("SaveCaptionsToFile", true);
        EXPECT_EQ(std::tuple(log, shownBoxes(), step->lastError().number), std::tuple(Log{}, Log{}, 0));
        expectOutsideUntouched(outside, "Step1.txt", h.what);

        fresh();
        const fs::path file = app / "Nav.txt";
        h.arrange(file, outside, runtime);
        nav->let("SaveCaptionsToFile", true);
        const std::string description = expand(h.description, file, app);
        const std::string source = "Nav::SaveCaptionsToFile (Let)";
        EXPECT_EQ(log, std::vector<std::string>{"Nav.OnError " + std::to_string(h.number) + " " +
                                                description + " | " + source});
        EXPECT_EQ(shownBoxes(), std::vector<std::string>{source + " | 48 | Error: " +
                                                         std::to_string(h.number) + "\r\n" + description});
        EXPECT_EQ(nav->lastError().number, h.number);
        expectOutsideUntouched(outside, "Nav.txt", h.what);
    }
}

} // namespace
} // namespace ov
