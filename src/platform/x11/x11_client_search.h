#pragma once

#include <span>
#include <vector>

#include "platform/x11/x11_atoms.h"
#include "platform/x11/x11_connection.h"
#include "platform/x11/x11_top_levels.h"

namespace orvane::x11 {

// How far below a frame the application's window is looked for.
inline constexpr int clientSearchDepth = 3;

// Sets each managed top-level's client: the top-level itself when it has WM_STATE, else the
// first window with WM_STATE among its descendants, shallowest first. The clients the window
// manager lists (_NET_CLIENT_LIST) are placed first, by climbing from each to its frame; only the
// top-levels left over are searched from the top down, since a frame holds many decoration
// windows. The requests of one step go out for all windows together, so the number of round trips
// does not grow with theirs. Override-redirect windows are their own client; so is a top-level
// with no such descendant.
void findClients(Connection& connection, const Atoms& atoms,
                 std::span<const xcb_window_t> listedClients, std::vector<TopLevel>& topLevels);

}  // namespace orvane::x11
