#pragma once

#include <map>

#include "windows/window_source.h"

namespace orvane {

// Remembers the registry's answer per process for one operation: the windows of one application
// share a process, and each look-up may read several files.
class RegistryMemo : public ApplicationRegistry {
 public:
  explicit RegistryMemo(ApplicationRegistry& registry) : registry_(registry) {}

  std::optional<std::string> bundleIdentifier(std::int32_t processId) override {
    const auto known = answers_.find(processId);
    if (known != answers_.end())
      return known->second;
    return answers_[processId] = registry_.bundleIdentifier(processId);
  }

 private:
  ApplicationRegistry& registry_;
  std::map<std::int32_t, std::optional<std::string>> answers_;
};

}  // namespace orvane
