#include "windows/window_lookup.h"

#include "cli/tool_error.h"

namespace orvane {

WindowResult windowForBundle(std::string_view, WindowSource&, ApplicationRegistry&) {
  throw PlatformError("window-for-bundle is not available yet");
}

WindowResult windowAtPoint(Point, WindowSource&, ApplicationRegistry&) {
  throw PlatformError("window-at-point is not available yet");
}

}  // namespace orvane
