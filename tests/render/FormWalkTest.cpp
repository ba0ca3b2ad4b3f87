// The fuzzer's walk (show, click through the wizard, press keys, render) over the kept regression
// inputs and the sample wizard: each is walked to its end without anything but ov::Failure escaping.
#include "support/FormWalk.h"

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

TEST(FormWalkTest, KeptInputsAndTheSampleWizardAreWalkedAndRendered) {
    std::vector<std::filesystem::path> files{sourcePath("examples/setup-wizard.json")};
    for (const auto& e :
         std::filesystem::directory_iterator(sourcePath("tests/platform/formfile-regressions")))
        files.push_back(e.path());
    std::sort(files.begin() + 1, files.end());
    for (const auto& file : files)
        EXPECT_NO_THROW(walkForm(readAll(file))) << file.filename();
}

} // namespace
} // namespace ovtest
