#pragma once

#include <chrono>
#include <cstddef>
#include <string>

namespace orvane::sway {

// Answers larger than this are refused: a real tree of hundreds of windows is well under 1 MiB.
inline constexpr std::size_t maximumAnswerBytes = 64u << 20;

// The compositor's GET_TREE answer, one i3 IPC round trip on the socket at socketPath. Throws
// PlatformError when the socket cannot be reached, the answer is not a well-formed GET_TREE reply
// or too large, or it has not fully arrived by deadline.
std::string requestTree(const std::string& socketPath,
                        std::chrono::steady_clock::time_point deadline);

}  // namespace orvane::sway
