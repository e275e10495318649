#pragma once

#include <memory>

#include "platform/platform.h"

namespace orvane {

// The services of the machine the tool was built for. Cheap: nothing is connected or loaded
// until a command asks for it.
std::unique_ptr<Platform> makeSystemPlatform();

}  // namespace orvane
