#include "windows/window_filters.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "base/unicode_text.h"
#include "windows/usable_windows.h"

namespace orvane {

bool hasNormalLayerAndVisibleAlpha(const WindowEntry& entry) {
  const WindowNumber* layer = numberAt(entry, kCGWindowLayer);
  if (layer == nullptr || integerValue(*layer) != usableWindowLayer)
    return false;
  const WindowNumber* alpha = numberAt(entry, kCGWindowAlpha);
  // Asked as "above the minimum", so that a NaN alpha fails too.
  return alpha == nullptr || doubleValue(*alpha) > minimumVisibleAlpha;
}

// Full Unicode lower-casing (the Kelvin sign lowers to "k", so it can complete a row). Text that
// is not UTF-8 has only its ASCII capitals lowered: every row is ASCII, so no other byte can take
// part in a match.
std::string lowercasedForMatching(std::string_view text) {
  if (std::optional<std::string> lowered = lowercasedText(text))
    return std::move(*lowered);
  std::string lowered(text);
  for (char& c : lowered) {
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  }
  return lowered;
}

bool isExcludedApplication(const WindowResult& window) {
  const std::string bundleId = lowercasedForMatching(window.bundleId);
  const bool excludedBundle =
      std::any_of(excludedBundleIds.begin(), excludedBundleIds.end(),
                  [&](std::string_view row) { return bundleId.find(row) != std::string::npos; });
  if (excludedBundle)
    return true;
  return std::find(excludedOwners.begin(), excludedOwners.end(), window.owner) !=
         excludedOwners.end();
}

}  // namespace orvane
