#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/x11/x11_top_levels.h"

namespace orvane::x11 {

// How far below a top-level the application's window is looked for. Window managers nest it one
// level (openbox, xfwm4, fluxbox, i3) or two (icewm, kwin) below their frame.
inline constexpr int clientSearchDepth = 4;

// What the server says of one window, as far as the search needs it.
struct TreeNode {
  bool exists = false;  // false: gone meanwhile
  xcb_window_t parent = 0;
  std::vector<xcb_window_t> children;  // bottom to top
  bool hasWmState = false;
  std::optional<std::uint32_t> wmState;
  bool viewable = false;
};

// Answers for a batch of windows, all asked together: one round trip per call.
class TreeReader {
 public:
  virtual ~TreeReader() = default;
  virtual std::vector<TreeNode> read(std::span<const xcb_window_t> windows) = 0;
};

// Sets each top-level's client: the window with WM_STATE inside it, the one the server shows
// (viewable) before one it hides (a background tab, a shaded window), the shallowest first.
// A top-level without one is its own client. The clients the window manager lists
// (_NET_CLIENT_LIST) are placed first by climbing from each to the top-level that holds it,
// which asks little of the server; only the top-levels left over are searched from the top
// down, since a frame holds many decoration windows. Override-redirect top-levels are searched
// too: some managers (fluxbox, icewm, i3) make their frames override-redirect. Each step asks
// about all windows at once (the first about the listed clients and the top-levels together),
// so the round trips do not grow with the number of windows.
void findClients(TreeReader& reader, xcb_window_t root, std::span<const xcb_window_t> listedClients,
                 std::vector<TopLevel>& topLevels);

}  // namespace orvane::x11
