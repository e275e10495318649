#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvane::testing {

struct Box {
  double x, y, width, height;
  bool operator==(const Box&) const = default;
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
  // The child of the root that holds a window (the manager's frame, or the window itself).
  std::optional<xcb_window_t> topLevelOf(xcb_window_t window) const;
  // The outer extent of that top-level, its X border included: the frame as the server has it.
  std::optional<Box> frameOf(xcb_window_t client) const;
  // The frame as the manager announces it: the window's position on the root and
  // _NET_FRAME_EXTENTS; nothing when the manager sets no extents.
  std::optional<Box> announcedFrameOf(xcb_window_t client) const;
  std::optional<xcb_window_t> activeWindow() const;
  // The window with WM_STATE in a top-level: the shallowest, a viewable one before the others.
  std::optional<xcb_window_t> clientWithin(xcb_window_t topLevel) const;
  // The viewable children of the root, front first, as the server stacks them, each as the
  // client within it, else as itself.
  std::vector<xcb_window_t> stackingFrontToBack() const;
  void destroy(xcb_window_t window) const;

  void setRootCardinal(const std::string& property, std::uint32_t value) const;

 private:
  xcb_connection_t* connection_;
  xcb_window_t root_;
};

}  // namespace orvane::testing
