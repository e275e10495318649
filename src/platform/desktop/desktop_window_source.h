#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <vector>

#include "platform/desktop/window_entry_building.h"
#include "platform/desktop/window_facts.h"
#include "windows/window_source.h"

namespace orvane {

// A whole snapshot, connecting included, gets this long; a window system that takes longer is
// treated as no window system at all.
inline constexpr std::chrono::milliseconds snapshotTimeLimit{2000};

// Reads the windows on screen, front to back, finishing by deadline. When the window system cannot
// be reached or does not answer in time: nothing (an X server), or a PlatformError where the
// desktop surely has windows and an empty list would be a wrong answer (a Wayland compositor).
using WindowWalk =
    std::function<std::vector<WindowFacts>(std::chrono::steady_clock::time_point deadline)>;

// The window source of a desktop whose window system walk reads: each snapshot is one walk
// within snapshotTimeLimit, its windows turned into entries.
std::unique_ptr<WindowSource> makeDesktopWindowSource(WindowWalk walk, ProcessNamer processName);

}  // namespace orvane
