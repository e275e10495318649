#pragma once

#include <vector>

#include "platform/desktop/window_facts.h"
#include "platform/x11/x11_connection.h"

namespace orvane::x11 {

// The windows on screen, front to back, desktop windows left out. A constant number of round
// trips whatever the number of windows: one for the atoms and the root's children, one for the
// top-levels' attributes and geometry, one per level of the search for the applications' windows
// (one to five, by how deep the manager nests them), one for their properties. Throws
// ConnectionLost.
std::vector<WindowFacts> walkWindows(Connection& connection);

}  // namespace orvane::x11
