#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orvane::x11 {

// One on-screen window as the walk found it.
struct WindowFacts {
  std::uint32_t number = 0;  // the application's window, else the top-level window
  std::int32_t x = 0;        // outer extent in root coordinates
  std::int32_t y = 0;
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::optional<std::string> name;
  std::optional<std::string> className;
  std::optional<std::uint32_t> processId;
  std::int64_t layer = 0;
  std::optional<double> alpha;
};

}  // namespace orvane::x11
