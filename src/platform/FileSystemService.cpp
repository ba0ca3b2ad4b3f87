#include "platform/FileSystemService.h"

#include <filesystem>
#include <system_error>

namespace ov {

bool RealFileSystem::fileExists(std::string_view path) const {
    if (path.empty()) return false;
    std::error_code ec;
    // Errors (no permission, a name too long) answer "no file", as the host's test does.
    return std::filesystem::is_regular_file(std::filesystem::path(path), ec);
}

} // namespace ov
