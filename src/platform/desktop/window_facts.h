#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orvane {

// One on-screen window as a desktop's window system describes it, whichever system that is.
struct WindowFacts {
  std::uint32_t number = 0;  // the application's window as the window system numbers it
  std::int32_t x = 0;        // outer extent in screen coordinates, decorations included
  std::int32_t y = 0;
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::optional<std::string> name;
  std::optional<std::string> className;  // the application's class or app id
  std::optional<std::uint32_t> processId;
  std::int64_t layer = 0;  // see windowLayer
  std::optional<double> alpha;
};

}  // namespace orvane
