#pragma once

#include <filesystem>
#include <ostream>

namespace ovhost {

// Runs a simulated copy job against a fake clock through three progress bars (caption left, centred
// and right) on a running form, its times from the host-side estimate, and renders frames at 0 %, 45 %
// and 100 % to `out` (progress-000.png ...); then runs a five-step install through a progress panel
// (progressInfoDemo: designed-progress.json, progress-info-*.png). Logs what it does.
void progressDemo(const std::filesystem::path& out, std::ostream& log);
void progressInfoDemo(const std::filesystem::path& out, std::ostream& log);

} // namespace ovhost
