#pragma once

#include <string>
#include <string_view>

#include "windows/window_result.h"

namespace orvane {

// The tests that the usable-window filter and the frontmost query share.

// Layer 0 (a missing or non-numeric layer fails) and, when the entry gives an alpha as a number,
// an alpha above minimumVisibleAlpha. Reads the entry alone.
bool hasNormalLayerAndVisibleAlpha(const WindowEntry& entry);

// Whether the window belongs to a system surface or to the host application: its lower-cased
// bundle id contains a row of excludedBundleIds, or its owner equals a row of excludedOwners.
bool isExcludedApplication(const WindowResult& window);

// text lower-cased for matching against the ASCII rows of excludedBundleIds.
std::string lowercasedForMatching(std::string_view text);

}  // namespace orvane
