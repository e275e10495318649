#pragma once

#include <memory>

#include "windows/window_source.h"

namespace orvane {

// Application ids of Linux processes, read from /proc.
std::unique_ptr<ApplicationRegistry> makeProcApplicationRegistry();

}  // namespace orvane
