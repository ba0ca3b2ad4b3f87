// Reading and writing whole files: regular files only, a stated size, nothing through a link.
#include "platform/FileAccess.h"

#include "platform/FailureCapture.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/Runtime.h"
#include "support/TestFiles.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace ov {
namespace {

namespace fs = std::filesystem;

using ovtest::readAll;
using test::failureText;

class FileAccessTest : public ::testing::Test {
protected:
    Runtime runtime;
    ovtest::TestFolder folder{"ovfileaccess"};
    const fs::path& dir = folder.path;
    std::string smallForm() {
        const std::string path = (dir / "small.json").string();
        Form::create("frmSmall", Mode::Design)->save(path);
        return path;
    }
};

TEST_F(FileAccessTest, LoadReadsRegularFilesUpToTheLimitAndRefusesEverythingElse) {
    const std::string small = smallForm();
    ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0644), 0);
    fs::create_directory(dir / "folder");
    fs::create_symlink(dir / "loop-b", dir / "loop-a");
    fs::create_symlink(dir / "loop-a", dir / "loop-b");
    fs::create_symlink(dir / "nowhere.json", dir / "dangling.json");
    fs::create_symlink(small, dir / "link.json");
    // Sparse: the size is what counts, and nothing is read to find it.
    std::ofstream((dir / "big.json").c_str()).close();
    ASSERT_EQ(truncate((dir / "big.json").c_str(), static_cast<off_t>(FormFile::kMaxFileBytes) + 1), 0);

    const auto access = [](const std::string& path, const std::string& why) {
        return "75 Path/File access error: " + path + ": " + why;
    };
    const std::string limit = "larger than the limit of 33554432 bytes";
    const std::pair<std::string, std::string> cases[] = {
        {small, ""},
        {(dir / "link.json").string(), ""},
        {"/dev/zero", access("/dev/zero", "a device, not a regular file")},
        {"/dev/urandom", access("/dev/urandom", "a device, not a regular file")},
        {(dir / "fifo").string(), access((dir / "fifo").string(), "a FIFO, not a regular file")},
        {(dir / "folder").string(), access((dir / "folder").string(), "a folder, not a file")},
        {(dir / "big.json").string(), access((dir / "big.json").string(), limit)},
        {(dir / "loop-a").string(), access((dir / "loop-a").string(), "Too many levels of symbolic links")},
        {(dir / "missing.json").string(), "53 File not found: " + (dir / "missing.json").string()},
        {(dir / "dangling.json").string(), "53 File not found: " + (dir / "dangling.json").string()},
    };
    for (const auto& [path, failure] : cases)
        EXPECT_EQ(failureText([&] { Form::load(path, Mode::Run); }), failure) << path;
}

TEST_F(FileAccessTest, AFileAtTheLimitIsReadWholeAndTextOfMoreValuesThanTheLimitIsRefusedWhileParsed) {
    const fs::path p = dir / "exact";
    std::ofstream(p, std::ios::binary) << std::string(1000, 'a');
    EXPECT_EQ(FileAccess::readRegularFile(p.string(), 1000), std::string(1000, 'a'));
    EXPECT_EQ(failureText([&] { FileAccess::readRegularFile(p.string(), 999); }),
              "75 Path/File access error: " + p.string() + ": larger than the limit of 999 bytes");
    // A file whose size the system does not tell (it says 0) is read to its end, and held to the limit.
    EXPECT_NE(FileAccess::readRegularFile("/proc/self/status", 1 << 20).find("Name:"), std::string::npos);
    EXPECT_EQ(failureText([&] { FileAccess::readRegularFile("/proc/self/status", 10); }),
              "75 Path/File access error: /proc/self/status: larger than the limit of 10 bytes");
    // The form object, "format", "version", "name", the list and its numbers: 5 values besides them.
    auto text = [](size_t numbers) {
        std::string t = R"({"format": "OvComCtl.Form", "version": 1, "name": "frmX", "extra": [)";
        for (size_t i = 0; i < numbers; ++i)
            t += i ? ",1" : "1";
        return t + "]}";
    };
    EXPECT_EQ(failureText([&] { FormFile::read(text(FormFile::kMaxValues - 5), "x.json", Mode::Design); }),
              "");
    EXPECT_EQ(failureText([&] { FormFile::read(text(FormFile::kMaxValues - 4), "x.json", Mode::Design); }),
              "321 Invalid file format: x.json: more than 2097152 JSON values");
}

TEST_F(FileAccessTest, SavingOverAReadOnlyFileIsRefusedAndWritingInAFolderTakesOnlyAPlainName) {
    const fs::path target = dir / "form.json";
    std::ofstream(target, std::ios::binary) << "old";
    chmod(target.c_str(), 0444);
    auto form = Form::create("frmSaved", Mode::Design);
    EXPECT_EQ(failureText([&] { form->save(target.string()); }),
              "75 Path/File access error: " + target.string() + ": the file is read-only");
    EXPECT_EQ(readAll(target), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1); // no temporary left
    for (const char* leaf : {"", ".", "..", "a/b"})
        EXPECT_EQ(failureText([&] { FileAccess::writeInFolder(dir.string(), leaf, "x"); }),
                  "75 Path/File access error: " + dir.string() + "/" + leaf + ": not a file name")
            << leaf;
    FileAccess::writeInFolder(dir.string(), "plain.txt", "text");
    EXPECT_EQ(readAll(dir / "plain.txt"), "text");
}

TEST_F(FileAccessTest, AWriteThatWritesNothingIsNotReportedAsSuccess) {
    struct Fake {
        static ssize_t nothing(int, const void*, size_t) {
            errno = 0;
            return 0;
        }
        static ssize_t full(int, const void*, size_t) {
            errno = ENOSPC;
            return -1;
        }
        static ssize_t halves(int, const void*, size_t n) { return static_cast<ssize_t>((n + 1) / 2); }
    };
    EXPECT_EQ(FileAccess::writeAll(0, "abc", Fake::nothing), "the system wrote nothing");
    EXPECT_EQ(FileAccess::writeAll(0, "abc", Fake::full), "No space left on device");
    EXPECT_EQ(FileAccess::writeAll(0, "abcdefg", Fake::halves), "");
    EXPECT_EQ(FileAccess::writeAll(0, "", Fake::nothing), "");
}

TEST_F(FileAccessTest, LongNamesAreCutInMessages) {
    const std::string huge(1 << 20, 'a');
    auto form = Form::create("frmNames", Mode::Design);
    const std::string added = failureText([&] { form->add("OvComCtl.OvWizardTab", huge + "!"); });
    EXPECT_LT(added.size(), 300u);
    EXPECT_NE(added.find("'" + std::string(kMaxShownBytes, 'a') + "...' is not a valid control name"),
              std::string::npos)
        << added.substr(0, 300);

    const std::string text = R"({"format": "OvComCtl.Form", "version": 1, "name": "frmX", "controls": [
        {"progId": "OvComCtl.OvWizardTab", "name": ")" +
                             huge + R"("}]})";
    const std::string read = failureText([&] { FormFile::read(text, "x.json", Mode::Design); });
    EXPECT_LT(read.size(), 300u);
    EXPECT_NE(read.find(std::string(kMaxShownBytes, 'a') + "...' is not a valid control name"),
              std::string::npos)
        << read.substr(0, 300);

    // A multi-byte character is never split.
    std::string accents;
    for (int i = 0; i < 40; ++i)
        accents += "\xC3\xA9";
    EXPECT_EQ(shown(accents), accents.substr(0, 64) + "...");
    EXPECT_EQ(shown("x" + accents), "x" + accents.substr(0, 62) + "...");
    EXPECT_EQ(shown(std::string(64, 'b')), std::string(64, 'b'));
}

} // namespace
} // namespace ov
