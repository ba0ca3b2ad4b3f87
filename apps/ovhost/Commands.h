#pragma once

#include <string>
#include <vector>

namespace ovhost {

using Arguments = std::vector<std::string>;

int typelibCommand(const Arguments& args);
int demoCommand(const Arguments& args);
int renderCommand(const Arguments& args);

} // namespace ovhost
