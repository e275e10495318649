#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "windows/window_entry.h"

namespace orvane {

// The window system's list of on-screen windows. Abstract so that the rules can be driven by
// fixed snapshots in tests.
class WindowSource {
 public:
  virtual ~WindowSource() = default;

  // A fresh snapshot, frontmost window first, desktop elements left out. An X server that cannot
  // be reached gives an empty snapshot; a window system whose list is known to be incomplete or
  // unavailable (a Wayland compositor that gives none, or does not answer) throws an Error
  // rather than give a partial one.
  virtual std::vector<WindowEntry> entries() = 0;
};

// The running-application registry: which application a process belongs to.
class ApplicationRegistry {
 public:
  virtual ~ApplicationRegistry() = default;

  // The bundle identifier of the application running as processId, or nothing when there is no
  // such process, it cannot be read, or it has no identifier. Never throws.
  virtual std::optional<std::string> bundleIdentifier(std::int32_t processId) = 0;
};

}  // namespace orvane
