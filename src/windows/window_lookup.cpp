#include "windows/window_lookup.h"

#include <algorithm>
#include <optional>
#include <string>

#include "base/tool_error.h"
#include "base/unicode_text.h"
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

bool isAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Two spellings of the same characters (a precomposed letter or a letter with a combining mark,
// the Kelvin sign or K) name the same application. ASCII text has only one spelling, so only
// text with other characters is normalised; text that is not UTF-8 is compared byte for byte.
bool canonicallyEqual(std::string_view a, std::string_view b) {
  if (a == b)
    return true;
  if (isAscii(a) && isAscii(b))
    return false;
  const std::optional<std::string> composedA = composedText(a);
  const std::optional<std::string> composedB = composedText(b);
  return composedA && composedB && *composedA == *composedB;
}

// Half-open on both axes, as the window server's rectangle test: the left and top edges are
// inside, the right and bottom edges are not. Comparisons with NaN are false and no edge lies
// beyond infinity, so a point with a NaN or infinite coordinate lies in no window.
bool contains(const WindowResult& window, Point point) {
  const double minX = window.x;
  const double maxX = window.x + window.width;
  const double minY = window.y;
  const double maxY = window.y + window.height;
  return point.x >= minX && point.x < maxX && point.y >= minY && point.y < maxY;
}

}  // namespace

WindowResult windowForBundle(std::string_view bundleId, WindowSource& source,
                             ApplicationRegistry& registry) {
  return firstUsableWindow(source, registry, [&](const WindowResult& window) {
    return canonicallyEqual(window.bundleId, bundleId);
  });
}

WindowResult windowAtPoint(Point point, WindowSource& source, ApplicationRegistry& registry) {
  return firstUsableWindow(source, registry,
                           [&](const WindowResult& window) { return contains(window, point); });
}

}  // namespace orvane
