#include "windows/window_filters.h"

#include <algorithm>

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

// Every row of excludedBundleIds is ASCII, so only the ASCII characters of the lowered text can
// take part in a match. Full lower-casing brings exactly two non-ASCII code points into ASCII:
// U+212A KELVIN SIGN becomes "k" and U+0130 becomes "i" with a combining dot (U+0307). Every
// other code point lowers to something non-ASCII, or to itself, and is kept as it stands.
std::string lowercasedForMatching(std::string_view text) {
  static constexpr std::string_view kelvinSign = "\xE2\x84\xAA";
  static constexpr std::string_view capitalIWithDot = "\xC4\xB0";
  std::string lowered;
  lowered.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    if (text.substr(at, kelvinSign.size()) == kelvinSign) {
      lowered += 'k';
      at += kelvinSign.size();
    } else if (text.substr(at, capitalIWithDot.size()) == capitalIWithDot) {
      lowered += "i\xCC\x87";
      at += capitalIWithDot.size();
    } else {
      const char c = text[at++];
      lowered += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
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
