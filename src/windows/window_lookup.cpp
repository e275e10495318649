#include "windows/window_lookup.h"

#include <utf8proc.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "base/tool_error.h"
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

// The text in Unicode normalization form C, or nothing when it is not valid UTF-8.
std::optional<std::string> composedForm(std::string_view text) {
  utf8proc_uint8_t* composed = nullptr;
  const utf8proc_ssize_t length =
      utf8proc_map(reinterpret_cast<const utf8proc_uint8_t*>(text.data()),
                   static_cast<utf8proc_ssize_t>(text.size()), &composed,
                   static_cast<utf8proc_option_t>(UTF8PROC_STABLE | UTF8PROC_COMPOSE));
  const std::unique_ptr<utf8proc_uint8_t, decltype(&std::free)> owned(composed, &std::free);
  if (length < 0)
    return std::nullopt;
  return std::string(reinterpret_cast<const char*>(composed), static_cast<std::size_t>(length));
}

// Two spellings of the same characters (a precomposed letter or a letter with a combining mark,
// the Kelvin sign or K) name the same application. ASCII text has only one spelling, so only
// text with other characters is normalised; text that is not UTF-8 is compared byte for byte.
bool canonicallyEqual(std::string_view a, std::string_view b) {
  if (a == b)
    return true;
  if (isAscii(a) && isAscii(b))
    return false;
  const std::optional<std::string> composedA = composedForm(a);
  const std::optional<std::string> composedB = composedForm(b);
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
