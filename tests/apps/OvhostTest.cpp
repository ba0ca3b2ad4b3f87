// The command-line host: every failure ends as a message and an exit status, never as an abort.
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/Runtime.h"
#include "support/TestFiles.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1; // the exit status; -1 when the host did not exit normally (a signal, an abort)
    std::string err;
};

class OvhostTest : public ::testing::Test {
protected:
    ov::Runtime runtime;
    ovtest::TestFolder folder{"ovhost"};
    const fs::path& dir = folder.path;

    static std::string quote(const std::string& s) {
        std::string q = "'";
        for (char c : s)
            q += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return q + "'";
    }
    // Runs ovhost with `args` (each quoted for the shell) and gives its exit status and standard error.
    Outcome run(const std::vector<std::string>& args) {
        std::string command = quote(OVHOST_PATH);
        for (const auto& a : args)
            command += " " + quote(a);
        const fs::path err = dir / "stderr.txt";
        command += " >/dev/null 2>" + quote(err.string()) + " </dev/null";
        const int raw = std::system(command.c_str());
        Outcome o;
        if (raw != -1 && WIFEXITED(raw)) o.status = WEXITSTATUS(raw);
        std::ifstream in(err);
        std::ostringstream s;
        s << in.rdbuf();
        o.err = s.str();
        return o;
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
    const std::string out = (dir / "out").string();
    const std::string fifo = (dir / "fifo").string();
    const std::string loop = (dir / "loop-a").string();
    const std::string aFile = (dir / "a-file").string();

    struct Case {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{"render", "/dev/zero", "--out", out},
         "ovhost: error 75: Path/File access error: /dev/zero: a device, not a regular file\n"},
        {{"render", "/dev/urandom", "--out", out},
         "ovhost: error 75: Path/File access error: /dev/urandom: a device, not a regular file\n"},
        {{"render", fifo, "--out", out},
         "ovhost: error 75: Path/File access error: " + fifo + ": a FIFO, not a regular file\n"},
        {{"render", loop, "--out", out},
         "ovhost: error 75: Path/File access error: " + loop + ": Too many levels of symbolic links\n"},
        {{"render", huge, "--out", out},
         "ovhost: error 7: Out of memory (a form of 16380 x 16380 pixels is more than 33554432 pixels)\n"},
        {{"render", small, "--out", aFile},
         "ovhost: error 75: Path/File access error: " + aFile + ": Not a directory\n"},
        {{"render", small, "--out", ""},
         "ovhost: error 75: Path/File access error: the output folder has no name\n"},
        {{"demo", "--out", aFile},
         "ovhost: error 75: Path/File access error: " + aFile + ": Not a directory\n"},
    };
    for (const Case& c : cases) {
        const Outcome o = run(c.args);
        EXPECT_EQ(o.status, 1) << c.args[1];
        EXPECT_EQ(o.err, c.err) << c.args[1];
    }
    EXPECT_FALSE(fs::exists(dir / "out" / "frmHuge.png"));

    const Outcome fine = run({"render", small, "--out", out});
    EXPECT_EQ(fine.status, 0) << fine.err;
    EXPECT_TRUE(fs::is_regular_file(dir / "out" / "frmSmall.png"));
}

} // namespace
