#pragma once

#include <string_view>
#include <vector>

#include "platform/desktop/app_ids_seen.h"
#include "platform/desktop/window_facts.h"

namespace orvane::gnome {

// What the extension's answer says is on screen.
struct ShellWindows {
  std::vector<WindowFacts> windows;  // front to back
  AppIdsSeen appIds;                 // each process's app id, from its frontmost window
};

// The windows on screen in the GNOME Shell extension's answer, which lists them front to back by
// the display's stacking order: minimised windows, windows on other workspaces, desktop windows
// and windows wholly off the screen are left out. Bounds are the frame (decorations included);
// the number is the shell's stable sequence number for the window. Throws PlatformError when the
// answer is not JSON, not shaped like the extension's answer, or reports the extension's own
// failure, so that no partial list is ever given.
ShellWindows windowsOnScreen(std::string_view answerText);

}  // namespace orvane::gnome
