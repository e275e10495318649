#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/x11/x11_connection.h"

namespace orvane::x11 {

// A child of the root that someone can see, as the window manager's frame or the application's
// own window when nothing reparents it.
struct TopLevel {
  xcb_window_t window = 0;
  bool overrideRedirect = false;
  // The outer extent in root coordinates, the X border on both sides included.
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  // The application's window inside it: the one with WM_STATE, or the top-level itself.
  xcb_window_t client = 0;
  std::optional<std::uint32_t> clientWmState;
  bool managed = false;     // the client carries WM_STATE
  bool clientShown = true;  // the client is viewable too
};

// The root window's size: what lies wholly outside it is not on screen.
struct ScreenSize {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
};

// The root's children that are viewable, not InputOnly and at least partly on the screen, front to
// back, from children bottom to top as a tree query gives them. One batch of requests; windows
// gone meanwhile are skipped.
std::vector<TopLevel> viewableTopLevels(Connection& connection, ScreenSize screen,
                                        std::span<const xcb_window_t> bottomToTop);

}  // namespace orvane::x11
