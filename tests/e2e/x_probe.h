#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvane::testing {

struct Box {
  double x, y, width, height;
};

// The test's own view of an X server, to wait for conditions and to learn what the tool should
// report. Plain blocking xcb: the servers under test answer.
class XProbe {
 public:
  explicit XProbe(const std::string& display);
  ~XProbe();
  XProbe(const XProbe&) = delete;
  XProbe& operator=(const XProbe&) = delete;

  xcb_connection_t* connection() const { return connection_; }
  xcb_window_t root() const { return root_; }
  xcb_atom_t atom(const std::string& name) const;

  bool isViewable(xcb_window_t window) const;
  std::vector<std::uint32_t> cardinals(xcb_window_t window, const std::string& property) const;
  std::vector<xcb_window_t> windows(xcb_window_t window, const std::string& property) const;
  // The bytes of a text property.
  std::optional<std::string> text(xcb_window_t window, const std::string& property) const;
  bool hasProperty(xcb_window_t window, const std::string& property) const;

  // The managed window (in _NET_CLIENT_LIST) whose _NET_WM_NAME or WM_NAME is title.
  std::optional<xcb_window_t> clientNamed(const std::string& title) const;
  // The window manager's frame around a managed window, from the window's position on the root
  // and _NET_FRAME_EXTENTS; nothing until the manager has set the extents.
  std::optional<Box> frameOf(xcb_window_t client) const;
  std::optional<xcb_window_t> activeWindow() const;
  // Managed windows, front first.
  std::vector<xcb_window_t> stackingFrontToBack() const;

  void setRootCardinal(const std::string& property, std::uint32_t value) const;

 private:
  xcb_connection_t* connection_;
  xcb_window_t root_;
};

}  // namespace orvane::testing
