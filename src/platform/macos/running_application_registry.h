#pragma once

#include <memory>

#include "windows/window_source.h"

namespace orvane {

// Bundle identifiers from the running-application registry of the user's session.
std::unique_ptr<ApplicationRegistry> makeRunningApplicationRegistry();

}  // namespace orvane
