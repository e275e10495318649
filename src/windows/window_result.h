#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "windows/window_entry.h"
#include "windows/window_source.h"

namespace orvane {

class JSONWriter;

// One on-screen window as the tool reports it. Geometry is in screen points, origin at the
// top-left of the main display, y growing downwards.
struct WindowResult {
  std::uint32_t windowId;
  std::string owner;
  std::string bundleId;
  std::string title;
  double x;
  double y;
  double width;
  double height;
};

// The record for one entry, or nothing when the entry has no numeric window number or no
// convertible bounds. Asks the registry for the owner's bundle identifier.
std::optional<WindowResult> result(const WindowEntry& entry, ApplicationRegistry& registry);

void writeJSON(JSONWriter& writer, const WindowResult& window);

}  // namespace orvane
