#pragma once

#include <memory>

#include "platform/desktop/window_entry_building.h"
#include "windows/window_source.h"

namespace orvane {

// The on-screen windows of the X server named by DISPLAY; processName names the owner of a window
// without a class.
std::unique_ptr<WindowSource> makeX11WindowSource(ProcessNamer processName);

}  // namespace orvane
