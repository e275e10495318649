#pragma once

#include <memory>

#include "windows/window_source.h"

namespace orvane {

// The window server's on-screen windows, front to back, desktop elements left out.
std::unique_ptr<WindowSource> makeCgWindowSource();

}  // namespace orvane
