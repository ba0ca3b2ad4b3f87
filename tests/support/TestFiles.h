#pragma once

#include "platform/PropertyBag.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace ovtest {

// A file or folder of the source tree ("examples/setup-wizard.json"), wherever the tests run from.
inline std::filesystem::path sourcePath(const std::string& relative) {
    return std::filesystem::path(OVCOMCTL_SOURCE_DIR) / relative;
}

// The whole content of a file as bytes; empty when it cannot be opened.
inline std::string readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// An empty folder of the running test's own ("<prefix>-<pid>-<test>" in the temporary folder), made
// afresh and removed with whatever is left in it (made writable first).
struct TestFolder {
    std::filesystem::path path;

    explicit TestFolder(const std::string& prefix)
        : path(std::filesystem::temp_directory_path() /
               (prefix + "-" + std::to_string(getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~TestFolder() {
        chmod(path.c_str(), 0755);
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::filesystem::path operator/(const std::string& name) const { return path / name; }
};

// The keys of a property bag in their written order.
inline std::vector<std::string> keysOf(const ov::PropertyBag& bag) {
    std::vector<std::string> keys;
    for (const auto& e : bag.entries())
        keys.push_back(e.key);
    return keys;
}

} // namespace ovtest
