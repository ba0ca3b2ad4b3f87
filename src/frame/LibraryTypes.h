#pragma once

namespace ov {

// Fills the type registry with everything the library publishes. Runs once, when the library is
// loaded; calling it again does nothing.
void registerLibraryTypes();

} // namespace ov
