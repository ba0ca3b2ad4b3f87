#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace ovhost {

using Arguments = std::vector<std::string>;

// Makes sure `out` is a folder that exists (creating it and its parents) and answers it. An empty name,
// a file or anything else in the way is failure 75 ("Path/File access error: <out>: <why>").
std::filesystem::path prepareOutputFolder(const std::filesystem::path& out);

int typelibCommand(const Arguments& args);
int demoCommand(const Arguments& args);
int renderCommand(const Arguments& args);
int captionsCommand(const Arguments& args);
int checkCommand(const Arguments& args);
int pagesCommand(const Arguments& args);
int runCommand(const Arguments& args);
int designCommand(const Arguments& args);

} // namespace ovhost
