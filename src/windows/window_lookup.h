#pragma once

#include <string_view>

#include "windows/window_result.h"

namespace orvane {

struct Point {
  double x;
  double y;
};

// The frontmost usable window whose bundle id equals bundleId exactly; throws
// ToolError::windowNotFound when there is none.
WindowResult windowForBundle(std::string_view bundleId, WindowSource& source,
                             ApplicationRegistry& registry);

// The frontmost usable window containing point (left and top edges inside, right and bottom
// edges outside); throws ToolError::windowNotFound when there is none.
WindowResult windowAtPoint(Point point, WindowSource& source, ApplicationRegistry& registry);

}  // namespace orvane
