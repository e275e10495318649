#pragma once

#include <string_view>
#include <vector>

#include "platform/desktop/window_facts.h"

namespace orvane::kwin {

// The windows on screen in the window script's answer, front to back by KWin's stacking order:
// minimised, hidden and closing windows, windows on other virtual desktops or activities and the
// desktop itself are left out. Bounds are the frame (decorations included); the number is drawn
// from KWin's id for the window, stable while it lives. Throws PlatformError when the answer is
// not JSON, not shaped like the script's answer, or reports the script's own failure, so that no
// partial list is ever given.
std::vector<WindowFacts> windowsOnScreen(std::string_view answerText);

}  // namespace orvane::kwin
