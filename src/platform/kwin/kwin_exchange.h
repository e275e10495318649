#pragma once

#include <chrono>
#include <string>

namespace orvane::kwin {

// Has KWin run the window script once and returns its answer, by deadline. The script is loaded
// under a name of its own and unloaded before this returns or throws, given a moment more when
// the deadline has passed. Throws PlatformError when KWin cannot be reached, refuses the script
// or does not answer in time.
std::string requestWindowList(std::chrono::steady_clock::time_point deadline);

}  // namespace orvane::kwin
