#pragma once

#include <filesystem>
#include <ostream>

namespace ovhost {

// The option-tree editor part of the demo: loads `examples`/options-dialog.json at design time, opens
// the property dialog on its OvTreeBase and, in the ppOptionsTree page, adds a folder and a page (with
// a new option page for it), renames one page and moves another, then applies. The form is saved to
// `out`/edited-options.json, loaded back at run time and the edits are shown to hold: the tree is
// printed and the new page is clicked. PNGs of the editor and of the run dialog go to `out`.
void optionsTreeDemo(const std::filesystem::path& examples, const std::filesystem::path& out,
                     std::ostream& log);

} // namespace ovhost
