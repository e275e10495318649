#include "platform/desktop/window_entry_building.h"

namespace orvane {

WindowEntry windowEntry(const WindowFacts& window, const ProcessNamer& processName) {
  WindowEntry entry;
  entry.emplace(kCGWindowNumber, numberValue(window.number));
  entry.emplace(kCGWindowBounds, boundsValue(window.x, window.y, window.width, window.height));
  entry.emplace(kCGWindowLayer, numberValue(window.layer));
  if (window.name)
    entry.emplace(kCGWindowName, stringValue(*window.name));
  if (window.processId)
    entry.emplace(kCGWindowOwnerPID, numberValue(*window.processId));
  std::optional<std::string> owner = window.className;
  if (!owner && window.processId)
    owner = processName(*window.processId);
  if (owner)
    entry.emplace(kCGWindowOwnerName, stringValue(std::move(*owner)));
  if (window.alpha)
    entry.emplace(kCGWindowAlpha, floatingValue(*window.alpha));
  return entry;
}

}  // namespace orvane
