#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/desktop/window_facts.h"
#include "windows/window_entry.h"

namespace orvane {

using ProcessNamer = std::function<std::optional<std::string>(std::uint32_t processId)>;

// The window-list entry of a window. The owner is its class, else the name of the owning
// process, asked of processName only then.
WindowEntry windowEntry(const WindowFacts& window, const ProcessNamer& processName);

}  // namespace orvane
