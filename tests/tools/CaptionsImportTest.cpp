// Captions files coming back: the sample wizard's pages exported, edited as a translator edits them,
// imported, saved and loaded again; and the files that are refused, each with its message.
#include "wizard/CaptionsImport.h"

#include "platform/CommandButton.h"
#include "platform/Extender.h"
#include "platform/FailureCapture.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/Runtime.h"
#include "support/TestFiles.h"
#include "wizard/OvWizardNavigator.h"
#include "wizard/OvWizardTab.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

namespace ov {
namespace {

namespace fs = std::filesystem;

const char* const kPages[] = {"Welcome", "License", "Options", "Finish"};

class CaptionsImportTest : public ::testing::Test {
protected:
    Runtime runtime;
    ovtest::TestFolder folder{"ovcaptions-import"};
    const fs::path& dir = folder.path;
    FormRef form;

    void SetUp() override {
        runtime.application().path = dir.string();
        form = FormFile::load(ovtest::sourcePath("examples/setup-wizard.json").string(), Mode::Design);
    }
    void TearDown() override {
        if (form) form->unload();
    }

    std::shared_ptr<OvWizardTab> page(const std::string& name) { return form->control<OvWizardTab>(name); }
    const std::vector<std::string>& changed(const std::string& name) {
        return form->findControl(name)->changedKeys();
    }
    std::string path(const std::string& name) { return (dir / (name + ".txt")).string(); }
    // The page's captions file as the page exports it.
    std::string exported(const std::string& name) {
        page(name)->setSaveCaptionsToFile(true);
        return ovtest::readAll(path(name));
    }
    void write(const std::string& name, const std::string& bytes) {
        std::ofstream(path(name), std::ios::binary) << bytes;
    }
    // `text` with line `n` (1-based, lines ended by CR LF) replaced by `line`.
    static std::string withLine(const std::string& text, size_t n, const std::string& line) {
        size_t start = 0;
        for (size_t i = 1; i < n; ++i)
            start = text.find("\r\n", start) + 2;
        return text.substr(0, start) + line + text.substr(text.find("\r\n", start));
    }
    // `text` with the text under `label` replaced by `value`, however many lines either spans.
    static std::string withText(const std::string& text, const std::string& label, const std::string& value) {
        const size_t start = text.find("\r\n" + label + "\r\n") + label.size() + 4;
        const size_t end = std::min(text.find("\r\n" + std::string(80, '-'), start),
                                    text.find("\r\n" + std::string(80, '='), start));
        return text.substr(0, start) + value + text.substr(end);
    }
    std::vector<std::string> texts(const std::string& name) {
        auto p = page(name);
        std::vector<std::string> out{p->BannerTitle(), p->BannerDescription(), p->WatermarkTitle(),
                                     p->WatermarkDescription(), p->WatermarkRule()};
        for (auto pos : {ovEn_Button_Position::ovBPLeft, ovEn_Button_Position::ovBPLeftMiddle,
                         ovEn_Button_Position::ovBPRightMiddle, ovEn_Button_Position::ovBPRight})
            out.push_back(p->buttonCaption(pos));
        return out;
    }
};

TEST_F(CaptionsImportTest, EditedFilesOfEveryPageComeBackThroughASavedForm) {
    for (const char* name : kPages) {
        SCOPED_TRACE(name);
        std::string text = exported(name);
        // Windows-1252 bytes: "é" is 0xE9 and "€" 0x80; the description gains a second line.
        text = withText(text, "BannerTitle: ", std::string("Titre traduit \xE9 \x80 ") + name);
        text = withText(text, "WatermarkDescription: ", "Ligne un\r\nLigne deux");
        text = withText(text, "RightButton Caption: ", "&Annuler");
        write(name, text);
        EXPECT_EQ(CaptionsImport::importFile(*page(name), path(name)), 3u);
        EXPECT_EQ(changed(name),
                  (std::vector<std::string>{"BannerTitle", "WaterMarkDescription", "RBCaption"}));
    }
    // The navigator's file: the captions of the default button set most pages show.
    auto nav = form->control<OvWizardNavigator>("Nav");
    nav->setSaveCaptionsToFile(true);
    write("Nav", withText(ovtest::readAll(path("Nav")), "RightMiddleButton Caption: ", "&Weiter >"));
    EXPECT_EQ(CaptionsImport::importFile(*nav, path("Nav")), 1u);
    EXPECT_EQ(changed("Nav"), std::vector<std::string>{"RightMiddleButtonCaption"});
    EXPECT_EQ(nav->button(ovEn_Button_Position::ovBPRightMiddle).Caption(), "&Weiter >");

    const std::string saved = (dir / "translated.json").string();
    form->save(saved);
    form->unload();
    form = FormFile::load(saved, Mode::Design);
    for (const char* name : kPages) {
        SCOPED_TRACE(name);
        EXPECT_EQ(page(name)->BannerTitle(), std::string("Titre traduit é € ") + name);
        EXPECT_EQ(page(name)->WatermarkDescription(), "Ligne un\r\nLigne deux");
        EXPECT_EQ(page(name)->buttonCaption(ovEn_Button_Position::ovBPRight), "&Annuler");
    }
    EXPECT_EQ(form->control<OvWizardNavigator>("Nav")->RightMiddleButtonCaption(), "&Weiter >");
}

TEST_F(CaptionsImportTest, AnUntouchedFileChangesNothingNotEvenTextsTheFileCannotHold) {
    // The export writes "??" for the two characters Windows-1252 lacks; the untouched "??" coming
    // back is what the page exports, so the page keeps its characters.
    page("License")->setBannerTitle("许可 License");
    form->markSaved();
    const auto before = texts("License");
    for (const char* name : kPages) {
        const std::string text = exported(name);
        EXPECT_EQ(CaptionsImport::importFile(*page(name), path(name)), 0u) << name;
        EXPECT_TRUE(changed(name).empty()) << name;
    }
    auto nav = form->control<OvWizardNavigator>("Nav");
    nav->setSaveCaptionsToFile(true);
    EXPECT_EQ(CaptionsImport::importFile(*nav, path("Nav")), 0u);
    EXPECT_FALSE(form->needsSaving());
    EXPECT_EQ(texts("License"), before);
    EXPECT_NE(ovtest::readAll(path("License")).find("\r\n?? License\r\n"), std::string::npos);
}

TEST_F(CaptionsImportTest, ARefusedFileNamesItsLineAndChangesNothing) {
    struct Case {
        const char* what;
        std::function<std::string(const std::string&)> edit;
        std::string problem; // after "Invalid file format: <file>: "
    };
    const std::string options = exported("Options");
    form->control<OvWizardNavigator>("Nav")->setSaveCaptionsToFile(true);
    const std::string navigator = ovtest::readAll(path("Nav"));
    const Case cases[] = {
        {"another page's file", [&](const std::string&) { return options; },
         "line 1: the file is for \"Options\", not for \"License\""},
        {"the navigator's file", [&](const std::string&) { return navigator; },
         "line 2: the file is a navigator's captions file, not a page's"},
        {"another mode", [](const std::string& t) { return withLine(t, 3, "Page Mode: WelcomePage"); },
         "line 3: the file's page mode is WelcomePage, License's is InteriorPage"},
        {"no mode", [](const std::string& t) { return withLine(t, 3, "Page Mode: Interior"); },
         "line 3: \"Interior\" is no page mode (WelcomePage, InteriorPage, CompletePage)"},
        {"a translated label", [](const std::string& t) { return withLine(t, 6, "Titre: "); },
         "line 6: \"Titre: \" where the label \"BannerTitle: \" belongs"},
        {"a label without its blank",
         [](const std::string& t) { return withLine(t, 26, "LeftButton Caption:"); },
         "line 26: \"LeftButton Caption:\" where the label \"LeftButton Caption: \" belongs"},
        {"a lost separator", [](const std::string& t) { return withLine(t, 8, "--"); },
         "line 14: \"WatermarkTitle: \" where the label \"BannerDescription: \" belongs"},
        {"a cut file", [](const std::string& t) { return t.substr(0, t.find("WatermarkRule: ") - 2); },
         "line 21: the file ends where the empty line before \"WatermarkRule: \" belongs"},
        {"no closing line", [](const std::string& t) { return t.substr(0, t.size() - 82); },
         "line 40: the file ends before a line of 80 \"=\" closes the text of \"RightButton Caption: \" "
         "begun on line 39"},
        {"a last line without CR LF", [](const std::string& t) { return t.substr(0, t.size() - 2); },
         "line 40: the file ends inside the line (no CR LF after it)"},
        {"text after the end", [](const std::string& t) { return t + "more\r\n"; },
         "line 41: text after the closing line of 80 \"=\""},
        {"LF line ends",
         [](std::string t) {
             for (size_t at; (at = t.find("\r\n")) != std::string::npos;)
                 t.erase(at, 1);
             return t;
         },
         "line 1: the line ends with LF alone; the lines of a captions file end with CR LF"},
        {"UTF-8 text",
         [](const std::string& t) { return withLine(t, 11, "Lizenzvereinbarung \xC3\xBC \xE4\xB8\xAD"); },
         "line 11: the text is UTF-8; a captions file is Windows-1252 text, which cannot hold characters "
         "beyond that code page: save it as Windows-1252"},
        {"a byte Windows-1252 lacks", [](const std::string& t) { return withLine(t, 7, "License \x81"); },
         "line 7: byte 0x81 is no character of Windows-1252"},
        {"UTF-16", [](const std::string& t) { return withLine(t, 7, std::string("L\0i", 3)); },
         "line 7: a NUL byte: this is not Windows-1252 text (UTF-16?)"},
    };
    const std::string license = exported("License");
    const auto before = texts("License");
    form->markSaved();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        write("License", c.edit(license));
        EXPECT_EQ(test::failureText([&] { CaptionsImport::importFile(*page("License"), path("License")); }),
                  "321 Invalid file format: " + path("License") + ": " + c.problem);
        EXPECT_EQ(texts("License"), before);
        EXPECT_FALSE(form->needsSaving());
    }
}

} // namespace
} // namespace ov
