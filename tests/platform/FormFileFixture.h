#pragma once

#include "platform/FormFileSamples.h"
#include "platform/ProbeControl.h"
#include "platform/Runtime.h"
#include "support/TestFiles.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace ovtest {

// A runtime, the sample classes registered, an empty folder of its own, and no sample objects alive
// at the start and the end of each test.
class FormFileFixture : public ::testing::Test {
protected:
    ov::Runtime runtime;
    TestFolder ownFolder{"ov-formfile"};
    const std::filesystem::path& folder = ownFolder.path;

    void SetUp() override {
        Sampler::registerOnce();
        Probe::registerOnce();
        Sampler::journal().clear();
        Sampler::failAt().clear();
    }
    void TearDown() override {
        EXPECT_EQ(Sampler::alive(), 0);
        EXPECT_EQ(Memo::alive(), 0);
        Sampler::failAt().clear();
    }

    std::string pathOf(const std::string& name) const { return (folder / name).string(); }

    static void spit(const std::string& path, const std::string& text) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << text;
    }
    // The names in the test's folder, sorted.
    std::vector<std::string> listing() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(folder))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

} // namespace ovtest
