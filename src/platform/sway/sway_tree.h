#pragma once

#include <string_view>
#include <vector>

#include "platform/desktop/window_facts.h"

namespace orvane::sway {

// The windows on screen in a GET_TREE answer: those on each output's current workspace (the
// scratchpad's hidden output and the other workspaces are not on screen; of a tabbed or stacked
// container only the selected child is), front to back. Fullscreen windows come first, then
// floating ones, then tiled ones; within each, the most recently focused first, by the tree's
// focus lists. Outputs come in their own focus order. Bounds are the frame a user sees: the
// container with its borders and its title bar. Throws PlatformError when the text is not JSON
// or not shaped like a sway tree, so that no partial list is ever given.
std::vector<WindowFacts> windowsOnScreen(std::string_view treeText);

}  // namespace orvane::sway
