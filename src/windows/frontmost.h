#pragma once

#include <string>

#include "windows/window_source.h"

namespace orvane {

class JSONWriter;

struct FrontmostResult {
  std::string bundleId;
  std::string name;
};

inline constexpr double minimumFrontmostWidth = 80;
inline constexpr double minimumFrontmostHeight = 60;

// The application owning the frontmost window a user works in: the usable-window tests with the
// size limit lowered to 80 x 60. Throws ToolError::windowNotFound when no window qualifies.
FrontmostResult frontmostApplication(WindowSource& source, ApplicationRegistry& registry);

void writeJSON(JSONWriter& writer, const FrontmostResult& frontmost);

}  // namespace orvane
