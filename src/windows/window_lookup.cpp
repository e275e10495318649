#include "windows/window_lookup.h"

#include "cli/tool_error.h"
#include "windows/registry_memo.h"
#include "windows/usable_windows.h"

namespace orvane {

namespace {

// The first usable window of a fresh snapshot, front to back, that matches.
template <typename Match>
WindowResult firstUsableWindow(WindowSource& source, ApplicationRegistry& registry, Match matches) {
  RegistryMemo memo(registry);
  for (const WindowEntry& entry : source.entries()) {
    std::optional<WindowResult> window = usableResult(entry, memo);
    if (window && matches(*window))
      return std::move(*window);
  }
  throw ToolError::windowNotFound();
}

// Half-open on both axes: the left and top edges are inside, the right and bottom edges are not.
// Every comparison with NaN is false, so a NaN coordinate lies in no window.
bool contains(const WindowResult& window, Point point) {
  return point.x >= window.x && point.x < window.x + window.width && point.y >= window.y &&
         point.y < window.y + window.height;
}

}  // namespace

WindowResult windowForBundle(std::string_view bundleId, WindowSource& source,
                             ApplicationRegistry& registry) {
  return firstUsableWindow(source, registry,
                           [&](const WindowResult& window) { return window.bundleId == bundleId; });
}

WindowResult windowAtPoint(Point point, WindowSource& source, ApplicationRegistry& registry) {
  return firstUsableWindow(source, registry,
                           [&](const WindowResult& window) { return contains(window, point); });
}

}  // namespace orvane
