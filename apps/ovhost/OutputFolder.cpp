#include "Commands.h"
#include "platform/Failure.h"

#include <system_error>

namespace ovhost {

std::filesystem::path prepareOutputFolder(const std::filesystem::path& out) {
    namespace fs = std::filesystem;
    auto refuse = [&](const std::string& why) {
        throw ov::Failure(ov::err::PathFileAccess,
                          ov::failureText(ov::err::PathFileAccess) + ": " + out.string() + ": " + why);
    };
    if (out.empty())
        throw ov::Failure(ov::err::PathFileAccess,
                          ov::failureText(ov::err::PathFileAccess) + ": the output folder has no name");
    std::error_code ec;
    // The non-throwing forms: a file in the way, no permission or a name too long is a message, not
    // an uncaught filesystem_error.
    fs::create_directories(out, ec);
    if (ec) refuse(ec.message());
    if (!fs::is_directory(out, ec)) refuse("not a folder");
    return out;
}

} // namespace ovhost
