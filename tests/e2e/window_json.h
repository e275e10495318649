#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::testing {

// A window object as the tool prints it.
struct ListedWindow {
  std::uint32_t windowId = 0;
  std::string owner, bundleId, title;
  double x = 0, y = 0, width = 0, height = 0;
};

// Reads the tool's output strictly: one object (or an array of objects) with exactly the eight
// keys of a window and one line feed after it; nothing when the text is anything else.
std::optional<std::vector<ListedWindow>> parseWindowArray(std::string_view text);
std::optional<ListedWindow> parseWindowObject(std::string_view text);

// The windows' titles, in their order.
std::vector<std::string> titles(const std::vector<ListedWindow>& windows);

// The "bundleId" and "name" of the frontmost command's object.
std::optional<std::pair<std::string, std::string>> parseFrontmost(std::string_view text);

}  // namespace orvane::testing
