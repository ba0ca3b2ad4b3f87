#pragma once

#include <filesystem>
#include <ostream>

namespace ovhost {

// The options-dialog part of the demo: designs a sample options dialog and saves it to
// `out`/designed-options.json, then runs `examples`/options-dialog.json (or the designed one when
// the example is missing): clicks through folders and pages, one change refused by the host, a folder
// showing its remembered page, the buttons; prints every event with its arguments and renders PNGs
// of the steps to `out`. With `writeExample`, the designed dialog is also saved there.
void runOptionsDemo(const std::filesystem::path& examples, const std::filesystem::path& out,
                    const std::filesystem::path& writeExample, std::ostream& log);

} // namespace ovhost
