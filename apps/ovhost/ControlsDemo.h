#pragma once

#include <filesystem>
#include <ostream>

namespace ovhost {

// The spin-box part of the demo: writes designed-controls.json and controls-*.png to `out` and logs
// every step and event to `log`.
void controlsDemo(const std::filesystem::path& out, std::ostream& log);

} // namespace ovhost
