#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace orvane {

// The kinds of window the freedesktop.org window-manager hints name (_NET_WM_WINDOW_TYPE), to
// which every desktop's window system maps its own.
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

// What decides a window's layer.
struct WindowKind {
  bool overrideRedirect = false;   // placed by the application itself, outside the manager
  std::optional<WindowType> type;  // the first type it names that is known here
  bool keptAbove = false;          // kept above ordinary windows
};

// The macOS window level of nearest meaning, as the window list's layer.
std::int64_t windowLayer(const WindowKind& kind);

}  // namespace orvane
