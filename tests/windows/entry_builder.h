#pragma once

#include <string>

#include "windows/window_entry.h"

namespace orvane::testing {

// A window-list entry that passes every usable-window test unless a test changes it: layer 0,
// no alpha, 400 x 300 at (x, y), owned by process id with the given owner name.
inline WindowEntry windowEntry(std::int64_t id, double x, double y, double width = 400,
                               double height = 300, std::int64_t processId = 100,
                               std::string owner = "Editor") {
  return {{std::string(kCGWindowNumber), numberValue(id)},
          {std::string(kCGWindowOwnerName), stringValue(std::move(owner))},
          {std::string(kCGWindowOwnerPID), numberValue(processId)},
          {std::string(kCGWindowName), stringValue("window " + std::to_string(id))},
          {std::string(kCGWindowBounds), boundsValue(x, y, width, height)},
          {std::string(kCGWindowLayer), numberValue(0)}};
}

inline WindowEntry with(WindowEntry entry, std::string_view key, WindowValue value) {
  entry[std::string(key)] = std::move(value);
  return entry;
}

inline WindowEntry without(WindowEntry entry, std::string_view key) {
  entry.erase(std::string(key));
  return entry;
}

}  // namespace orvane::testing
