#pragma once

#include <filesystem>
#include <ostream>

namespace ovhost {

// The wizard property-page part of the demo: opens the property dialog on the last page of the sample
// wizard (`examples`/setup-wizard.json), edits its own button set in "Buttons Set" as a designer would,
// renders the page to `out`/wizard-pages-buttonsset.png, saves the wizard as `out`/edited-wizard.json,
// loads it back and runs it to the last page to show that the edit held. Every step goes to `log`.
void wizardPagesDemo(const std::filesystem::path& examples, const std::filesystem::path& out,
                     std::ostream& log);

} // namespace ovhost
