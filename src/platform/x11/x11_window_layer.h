#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace orvane::x11 {

// The window types of _NET_WM_WINDOW_TYPE, in the order of windowTypeAtomNames.
enum class WindowType {
  normal,
  dialog,
  desktop,
  dock,
  toolbar,
  menu,
  utility,
  splash,
  dropdownMenu,
  popupMenu,
  tooltip,
  notification,
  combo,
  dnd,
};
inline constexpr std::size_t windowTypeCount = 14;
extern const char* const windowTypeAtomNames[windowTypeCount];

// What decides a window's layer.
struct WindowKind {
  bool overrideRedirect = false;   // placed by the application itself, outside the manager
  std::optional<WindowType> type;  // the first type it names that is known here
  bool keptAbove = false;          // _NET_WM_STATE_ABOVE
};

// The macOS window level of nearest meaning, as the window list's layer.
std::int64_t windowLayer(const WindowKind& kind);

}  // namespace orvane::x11
