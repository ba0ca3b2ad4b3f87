// ovhost check and ovhost captions import as a translator and a build script run them: their exit
// statuses, and a refused import that leaves the form file as it was.
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/Runtime.h"
#include "support/RunOvhost.h"
#include "support/TestFiles.h"
#include "wizard/OvWizardTab.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

class OvhostToolsTest : public ::testing::Test {
protected:
    ov::Runtime runtime;
    ovtest::TestFolder folder{"ovhost-tools"};
    const fs::path& dir = folder.path;
    std::string wizard;

    void SetUp() override {
        fs::create_directories(dir / "captions");
        wizard = (dir / "setup.json").string();
        fs::copy_file(ovtest::sourcePath("examples/setup-wizard.json"), wizard);
        runtime.application().path = (dir / "captions").string();
    }

    // ovhost's exit status for these arguments (-1 when it did not exit normally).
    int ovhost(const std::vector<std::string>& args) {
        return ovtest::runOvhost(args, dir / "stderr.txt").status;
    }
    // Exports the page's captions into dir/captions and answers the file's text.
    std::string exported(const std::string& page) {
        auto form = ov::FormFile::load(wizard, ov::Mode::Design);
        form->control<ov::OvWizardTab>(page)->setSaveCaptionsToFile(true);
        form->unload();
        return ovtest::readAll(dir / "captions" / (page + ".txt"));
    }
    void write(const std::string& page, const std::string& text) {
        std::ofstream(dir / "captions" / (page + ".txt"), std::ios::binary) << text;
    }
};

TEST_F(OvhostToolsTest, CheckPassesTheSampleAndFailsABrokenWizard) {
    EXPECT_EQ(ovhost({"check", wizard}), 0);
    {
        auto form = ov::FormFile::load(wizard, ov::Mode::Design);
        form->control("Options")->let("PageNext", 9);
        form->save(wizard);
        form->unload();
    }
    EXPECT_EQ(ovhost({"check", wizard}), 1);
    EXPECT_EQ(ovhost({"check"}), 2);
    EXPECT_EQ(ovhost({"check", (dir / "missing.json").string()}), 1);
}

TEST_F(OvhostToolsTest, CaptionsImportSavesEditedTextsAndRefusesAllWhenOneFileIsBroken) {
    const std::string folder = (dir / "captions").string();
    std::string license = exported("License");
    const std::string title = "\r\nLicense Agreement\r\n";
    license.replace(license.find(title), title.size(), "\r\nLizenzvereinbarung\r\n");
    write("License", license);
    const std::string options = exported("Options");
    write("Options", options.substr(0, options.size() - 2)); // no CR LF after the last line
    const std::string before = ovtest::readAll(wizard);
    EXPECT_EQ(ovhost({"captions", "import", wizard, folder}), 1);
    EXPECT_EQ(ovtest::readAll(wizard), before);

    write("Options", options);
    EXPECT_EQ(ovhost({"captions", "import", wizard, folder}), 0);
    auto form = ov::FormFile::load(wizard, ov::Mode::Design);
    EXPECT_EQ(form->control<ov::OvWizardTab>("License")->BannerTitle(), "Lizenzvereinbarung");
    form->unload();
    EXPECT_EQ(ovhost({"captions", "import", wizard}), 2);
}

} // namespace
