#include "platform/FormFileSamples.h"
#include "support/TestFiles.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace ovtest {
namespace {

// Inputs that once broke the form file loader (found by fuzz/FormFileFuzz.cpp) and inputs at its
// edges, one per file in formfile-regressions/ beside this source; each must now pass the fuzzer's
// checks.
std::vector<std::filesystem::path> regressionFiles() {
    const auto folder = sourcePath("tests/platform/formfile-regressions");
    std::vector<std::filesystem::path> files;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        files.push_back(e.path());
    std::sort(files.begin(), files.end());
    return files;
}

TEST(FormFileRegressionTest, EveryKeptInputPassesTheFuzzerChecks) {
    const auto files = regressionFiles();
    ASSERT_FALSE(files.empty());
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        EXPECT_EQ(formFileFinding(text), "") << file.filename();
    }
}

} // namespace
} // namespace ovtest
