#include "platform/LauncherService.h"

#include "platform/FailureCapture.h"
#include "platform/FileSystemService.h"
#include "platform/PosixLauncher.h"
#include "platform/Runtime.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using ov::test::failureNumber;

int exitStatusOf(int32_t pid) {
    int status = 0;
    if (waitpid(static_cast<pid_t>(pid), &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

TEST(PosixLauncherTest, StartsTheProgramWithItsArgumentsAsTheyAreWithoutAShellOrFailsWith53) {
    ov::PosixLauncher launcher;
    // The script sees its arguments one by one: "a b" stays one argument, "$HOME" is not expanded.
    int32_t pid = launcher.launch(
        "/bin/sh", {"-c", "[ \"$1\" = 'a b' ] && [ \"$2\" = '$HOME' ] && exit 7", "sh", "a b", "$HOME"},
        ov::windowStyle::NormalFocus);
    EXPECT_GT(pid, 0);
    EXPECT_EQ(exitStatusOf(pid), 7);
    // A bare name is looked up on PATH.
    EXPECT_EQ(exitStatusOf(launcher.launch("sh", {"-c", "exit 3"}, 1)), 3);
    // A program that cannot start is failure 53.
    EXPECT_EQ(failureNumber([&] { launcher.launch("/nonexistent/program", {}, 1); }), 53);
    EXPECT_EQ(failureNumber([&] { launcher.launch("no-such-program-on-path-xyz", {}, 1); }), 53);
    EXPECT_EQ(failureNumber([&] { launcher.launch("", {}, 1); }), 53);
}

TEST(FileSystemServiceTest, TheRealTestAnswersForFilesOnly) {
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / ("ovcomctl-fs-" + std::to_string(getpid()));
    fs::create_directories(dir);
    fs::path file = dir / "MSINFO32.EXE";
    std::ofstream(file) << "x";
    ov::RealFileSystem real;
    EXPECT_TRUE(real.fileExists(file.string()));
    EXPECT_FALSE(real.fileExists(dir.string())); // a folder is not a file
    EXPECT_FALSE(real.fileExists((dir / "other.exe").string()));
    EXPECT_FALSE(real.fileExists(""));
    fs::remove_all(dir);
    EXPECT_FALSE(real.fileExists(file.string()));
}

TEST(FileSystemServiceTest, ARuntimeCanAnswerFromMemory) {
    ov::Runtime rt;
    auto memory = std::make_unique<ov::InMemoryFileSystem>();
    memory->addFile("C:\\Tools\\MSINFO32.EXE");
    rt.setFileSystem(std::move(memory));
    EXPECT_TRUE(rt.fileSystem().fileExists("C:\\Tools\\MSINFO32.EXE"));
    EXPECT_FALSE(rt.fileSystem().fileExists("C:\\Tools\\msinfo32.exe"));
    rt.setFileSystem(nullptr);
    EXPECT_FALSE(rt.fileSystem().fileExists("C:\\Tools\\MSINFO32.EXE"));
}

} // namespace
