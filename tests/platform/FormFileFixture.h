#pragma once

#include "platform/FormFileSamples.h"
#include "platform/ProbeControl.h"
#include "platform/Runtime.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace ovtest {

// A runtime, the sample classes registered, an empty folder of its own, and no sample objects alive
// at the start and the end of each test.
class FormFileFixture : public ::testing::Test {
protected:
    ov::Runtime runtime;
    std::filesystem::path folder;

    void SetUp() override {
        Sampler::registerOnce();
        Probe::registerOnce();
        Sampler::journal().clear();
        Sampler::failAt().clear();
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder =
            std::filesystem::path(::testing::TempDir()) /
            ("ov_formfile_" + std::to_string(getpid()) + "_" + test->test_suite_name() + "_" + test->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    void TearDown() override {
        EXPECT_EQ(Sampler::alive(), 0);
        EXPECT_EQ(Memo::alive(), 0);
        Sampler::failAt().clear();
        std::filesystem::remove_all(folder);
    }

    std::string pathOf(const std::string& name) const { return (folder / name).string(); }

    static std::string slurp(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
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
