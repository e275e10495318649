#include "platform/desktop/window_level.h"

namespace orvane {

namespace {

// macOS window levels (CGWindowLevel.h).
constexpr std::int64_t desktopLevel = -2147483623;  // kCGDesktopWindowLevel
constexpr std::int64_t normalLevel = 0;             // kCGNormalWindowLevel
constexpr std::int64_t floatingLevel = 3;           // kCGFloatingWindowLevel, torn-off menus
constexpr std::int64_t dockLevel = 20;              // kCGDockWindowLevel
constexpr std::int64_t statusLevel = 25;            // kCGStatusWindowLevel
constexpr std::int64_t popUpMenuLevel = 101;        // kCGPopUpMenuWindowLevel
constexpr std::int64_t helpLevel = 200;             // kCGHelpWindowLevel
constexpr std::int64_t draggingLevel = 500;         // kCGDraggingWindowLevel

// The level of a window the manager places, by type, in WindowType order.
constexpr std::int64_t levelOfType[windowTypeCount] = {
    normalLevel,     // normal
    normalLevel,     // dialog
    desktopLevel,    // desktop
    dockLevel,       // dock: docks and panels
    floatingLevel,   // toolbar
    floatingLevel,   // menu: a torn-off menu
    floatingLevel,   // utility: palettes and toolboxes
    floatingLevel,   // splash
    popUpMenuLevel,  // dropdown menu
    popUpMenuLevel,  // popup menu
    helpLevel,       // tooltip
    statusLevel,     // notification
    popUpMenuLevel,  // combo
    draggingLevel,   // dnd
};

std::int64_t levelOf(std::optional<WindowType> type) {
  return type ? levelOfType[static_cast<std::size_t>(*type)] : normalLevel;
}

}  // namespace

std::int64_t windowLayer(const WindowKind& kind) {
  const std::int64_t level = levelOf(kind.type);
  // Override-redirect windows are menus and popups unless their type says something more
  // specific; they are never ordinary windows.
  if (kind.overrideRedirect)
    return level == normalLevel || level == floatingLevel ? popUpMenuLevel : level;
  if (kind.keptAbove && level == normalLevel)
    return floatingLevel;
  return level;
}

}  // namespace orvane
