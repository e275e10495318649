#include "windows/usable_windows.h"

#include "cli/tool_error.h"

namespace orvane {

std::vector<WindowResult> usableWindows(WindowSource&, ApplicationRegistry&) {
  throw PlatformError("list is not available yet");
}

std::vector<WindowResult> allWindows(WindowSource&, ApplicationRegistry&) {
  throw PlatformError("list-all is not available yet");
}

}  // namespace orvane
