#pragma once

#include <chrono>
#include <string>

namespace orvane::gnome {

// Where the project's GNOME Shell extension serves the window list while it is enabled.
inline constexpr const char* serviceName = "org.orvane.ScreenTool";
inline constexpr const char* servicePath = "/org/orvane/ScreenTool";
inline constexpr const char* serviceInterface = "org.orvane.ScreenTool.WindowList";
inline constexpr const char* serviceMember = "GetWindows";

// The failure when nothing serves the window list: the extension is missing or not enabled.
inline constexpr const char* extensionNotEnabledMessage =
    "window list unavailable: the OrvaneScreenTool GNOME Shell extension is not enabled; run: "
    "gnome-extensions enable orvane-screen-tool@orvane, then log out and back in";

// Asks the extension for the window list and returns its answer, by deadline. Throws
// PlatformError when the session bus cannot be reached, nothing serves the list (with
// extensionNotEnabledMessage), the call fails or no answer comes in time.
std::string requestWindowList(std::chrono::steady_clock::time_point deadline);

}  // namespace orvane::gnome
