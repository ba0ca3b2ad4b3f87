#pragma once

#include "options/OptionCollection.h"

#include <string>

namespace ov {

class TreeView;

// The option tree's procedures shared by the tree control and its design-time editor.

// Clears the tree and adds a node for every item reachable from the top level (parent key " "),
// depth first, siblings in collection order: a container gets "CLOSEDFOLDER" as image and selected
// image and goes to the top level when its parent key is " " (or the tree is empty), a property page
// goes under its parent's node (its selected image is "ARROW" for the editor, else it has no image).
// Node keys are the upper-case item keys, texts the names; Tag is the type (editor) or the page
// index. A page at the top level has no parent node: loading stops there with 35601, naming the
// item and its position, and the nodes added so far stay. Linear in the number of items: the items
// are grouped by parent key once.
void LoadTree(TreeView& tree, const OptionCollection& options, bool editor);

// Sets strSelectedProperty = value on the item under `key` and on each of its ancestors up to a
// top-level item. A key the collection lacks is 5.
void SetSelectedProperty(const OptionCollection& options, const std::string& value, const std::string& key);

// True when `text` converts to a 16-bit whole number greater than 0.
bool IsValidIndex(const std::string& text);

} // namespace ov
