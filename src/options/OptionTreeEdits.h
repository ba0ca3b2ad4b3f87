#pragma once

#include "options/OptionCollection.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace ov {

// The edits the option-tree editor (ppOptionsTree) makes to an option collection. Keys are found
// without regard to letter case; "below" an item means reachable through the parent keys.

// Key of a new item: "_" + name at the top level (parentKey " "), else parentKey + "\" + name; upper
// case.
std::string optionKeyFor(const std::string& parentKey, const std::string& name);

// 1-based position of the item under `key`; 0 when the collection does not hold it.
size_t optionPosition(const OptionCollection& options, std::string_view key);

// Removes the item under `key`: a container with everything below it (children first, depth
// first, in collection order), a property page by itself. Remembered pages are repaired so that
// none names a removed page:
// - a removed page's parent and the parent's ancestors remember the first other property page (in
//   collection order) with the same parent, or " " when there is none;
// - after a removed container, each of its ancestors whose remembered page is gone remembers the
//   first property page directly under the container's parent, or " " when there is none (an
//   ancestor whose remembered page is still there keeps it).
// A key the collection lacks is 5.
void removeOption(OptionCollection& options, const std::string& key);

// Takes the item under `key` out of the collection and adds it again just before (after) the item
// under `anchorKey`. The items below it keep their places: the tree groups them by parent key.
void moveOption(OptionCollection& options, const std::string& key, const std::string& anchorKey, bool before);

// Gives the item under `key` the name `newName`. A new COption (same type, parent key, page index
// and remembered page) replaces the item at its position, keyed by the old key with its last part
// (the old name) replaced by `newName` as written (letter case kept). The items below it are keyed
// again from the new key the same way, each keeping its position and its own last part, and every
// parent key or remembered page that named a re-keyed item names its new key. Returns the new key.
// A new key that another item already holds is 457 and nothing changes.
std::string renameOption(OptionCollection& options, const std::string& key, const std::string& newName);

} // namespace ov
