// The command-line host: every failure ends as a message and an exit status, never as an abort.
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/Runtime.h"
#include "support/RunOvhost.h"
#include "support/TestFiles.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

class OvhostTest : public ::testing::Test {
protected:
    ov::Runtime runtime;
    ovtest::TestFolder folder{"ovhost"};
    const fs::path& dir = folder.path;

    ovtest::HostOutcome run(const std::vector<std::string>& args) {
        return ovtest::runOvhost(args, dir / "stderr.txt");
    }
    std::string saveForm(const std::string& name, float width, float height) {
        auto form = ov::Form::create(name, ov::Mode::Design);
        form->setBorderStyle(0);
        form->Move(0, 0, width, height);
        const std::string path = (dir / (name + ".json")).string();
        form->save(path);
        return path;
    }
};

TEST_F(OvhostTest, RenderReportsEveryRefusalAsAMessageAndStatusOne) {
    const std::string small = saveForm("frmSmall", 1500, 1500);
    const std::string huge = saveForm("frmHuge", 245700, 245700);
    ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0644), 0);
    fs::create_symlink(dir / "loop-b", dir / "loop-a");
    fs::create_symlink(dir / "loop-a", dir / "loop-b");
    std::ofstream(dir / "a-file").close();
    const std::string out = (dir / "out").string(), fifo = (dir / "fifo").string();
    const std::string loop = (dir / "loop-a").string(), aFile = (dir / "a-file").string();
    auto access = [](const std::string& what) {
        return "ovhost: error 75: Path/File access error: " + what + "\n";
    };

    struct Case {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{"render", "/dev/zero", "--out", out}, access("/dev/zero: a device, not a regular file")},
        {{"render", "/dev/urandom", "--out", out}, access("/dev/urandom: a device, not a regular file")},
        {{"render", fifo, "--out", out}, access(fifo + ": a FIFO, not a regular file")},
        {{"render", loop, "--out", out}, access(loop + ": Too many levels of symbolic links")},
        {{"render", huge, "--out", out},
         "ovhost: error 7: Out of memory (a form of 16380 x 16380 pixels is more than 33554432 pixels)\n"},
        {{"render", small, "--out", aFile}, access(aFile + ": Not a directory")},
        {{"render", small, "--out", ""}, access("the output folder has no name")},
        {{"demo", "--out", aFile}, access(aFile + ": Not a directory")},
    };
    for (const Case& c : cases) {
        const ovtest::HostOutcome o = run(c.args);
        EXPECT_EQ(o.status, 1) << c.args[1];
        EXPECT_EQ(o.err, c.err) << c.args[1];
    }
    EXPECT_FALSE(fs::exists(dir / "out" / "frmHuge.png"));

    const ovtest::HostOutcome fine = run({"render", small, "--out", out});
    EXPECT_EQ(fine.status, 0) << fine.err;
    EXPECT_TRUE(fs::is_regular_file(dir / "out" / "frmSmall.png"));
}

} // namespace
