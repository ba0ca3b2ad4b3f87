#pragma once

#include <filesystem>
#include <iosfwd>

namespace ovhost {

// The information panel part of `ovhost demo`: designs a status form (a host label, the panel "Stats"
// and two library labels, one disabled), saves it as designed-info-panel.json in `out`, loads it to run,
// fills the panel at run time with Redraw off and on (one value too long for its line, one with line breaks),
// changes a value, renders 5-info-panel.png and 6-info-panel-narrow.png, and clears the panel. Events go to
// `log`.
void infoPanelDemo(const std::filesystem::path& out, std::ostream& log);

} // namespace ovhost
