#pragma once

#include <memory>

#include "windows/window_source.h"

namespace orvane {

// The on-screen windows of the X server named by DISPLAY.
std::unique_ptr<WindowSource> makeX11WindowSource();

}  // namespace orvane
