#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace ovtest {

// The whole content of a file as bytes; empty when it cannot be opened.
inline std::string readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace ovtest
