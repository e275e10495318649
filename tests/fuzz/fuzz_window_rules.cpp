// Any window list, with values of any type and any number (NaN, infinities, huge, negative
// sizes): the rules never crash, the listings agree with each other, and a lookup gives what it
// was asked for.
#include <utf8proc.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>

#include "base/json_writer.h"
#include "base/tool_error.h"
#include "fuzz/fuzz_input.h"
#include "support/fakes.h"
#include "windows/frontmost.h"
#include "windows/usable_windows.h"
#include "windows/window_lookup.h"

namespace {

using namespace orvane;

double anyDouble(testing::FuzzInput& input) {
  switch (input.inRange(0, 7)) {
    case 0:
      return std::numeric_limits<double>::quiet_NaN();
    case 1:
      return std::numeric_limits<double>::infinity();
    case 2:
      return -std::numeric_limits<double>::infinity();
    case 3:
      return (input.integral<std::int16_t>() % 2000) * 0.5;
    default:
      return input.anyDouble();
  }
}

WindowValue anyValue(testing::FuzzInput& input, int depth);

WindowDictionary anyDictionary(testing::FuzzInput& input, int depth) {
  static const char* const keys[] = {"X", "Y", "Width", "Height", "x", ""};
  WindowDictionary dictionary;
  const int count = input.inRange(0, 5);
  for (int i = 0; i < count; ++i) {
    dictionary[keys[input.inRange(0, 5)]] = anyValue(input, depth + 1);
  }
  return dictionary;
}

WindowValue anyValue(testing::FuzzInput& input, int depth) {
  switch (input.inRange(0, depth > 2 ? 2 : 4)) {
    case 0:
      return numberValue(input.integral<std::int64_t>());
    case 1:
      return floatingValue(anyDouble(input));
    case 2:
      return stringValue(input.string(40));
    case 3:
      return boundsValue(anyDouble(input), anyDouble(input), anyDouble(input), anyDouble(input));
    default:
      return WindowValue{anyDictionary(input, depth)};
  }
}

WindowEntry anyEntry(testing::FuzzInput& input) {
  static const std::string_view keys[] = {kCGWindowNumber, kCGWindowOwnerName, kCGWindowOwnerPID,
                                          kCGWindowName,   kCGWindowBounds,    kCGWindowLayer,
                                          kCGWindowAlpha};
  WindowEntry entry;
  for (const std::string_view key : keys) {
    if (input.boolean())
      entry[std::string(key)] = anyValue(input, 0);
  }
  return entry;
}

bool sameWindow(const WindowResult& a, const WindowResult& b) {
  return a.windowId == b.windowId && a.owner == b.owner && a.title == b.title;
}

// Every usable window appears among all windows, in the same relative order.
bool isOrderedSubset(const std::vector<WindowResult>& part, const std::vector<WindowResult>& all) {
  std::size_t at = 0;
  for (const WindowResult& window : part) {
    while (at < all.size() && !sameWindow(all[at], window))
      ++at;
    if (at == all.size())
      return false;
    ++at;
  }
  return true;
}

// The record an operation gives, or nothing when it finds no window; any other failure aborts.
template <typename Operation>
auto foundOrNotFound(Operation operation) -> std::optional<decltype(operation())> {
  try {
    return operation();
  } catch (const ToolError& error) {
    if (error.which() != ToolError::Case::windowNotFound)
      std::abort();
  }
  return std::nullopt;
}

template <typename Record>
void encodeOrRefuse(const Record& record) {
  try {
    JSONWriter writer;
    writeJSON(writer, record);
  } catch (const EncodingError&) {
  }
}

bool contains(const WindowResult& window, Point point) {
  return point.x >= window.x && point.x < window.x + window.width && point.y >= window.y &&
         point.y < window.y + window.height;
}

// Normalization form C, or nothing for text that is not UTF-8.
std::optional<std::string> composed(const std::string& text) {
  utf8proc_uint8_t* nfc = nullptr;
  const utf8proc_ssize_t length =
      utf8proc_map(reinterpret_cast<const utf8proc_uint8_t*>(text.data()),
                   static_cast<utf8proc_ssize_t>(text.size()), &nfc,
                   static_cast<utf8proc_option_t>(UTF8PROC_STABLE | UTF8PROC_COMPOSE));
  std::optional<std::string> copy;
  if (length >= 0)
    copy.emplace(reinterpret_cast<const char*>(nfc), static_cast<std::size_t>(length));
  std::free(nfc);
  return copy;
}

// The same id, or the same characters spelled another way (canonically equivalent).
bool sameBundleId(const std::string& found, const std::string& asked) {
  if (found == asked)
    return true;
  const auto a = composed(found);
  const auto b = composed(asked);
  return a && b && *a == *b;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  testing::FuzzInput input(data, size);
  testing::FakeWindowSource source;
  const int count = input.inRange(0, 12);
  for (int i = 0; i < count; ++i)
    source.snapshot.push_back(anyEntry(input));
  testing::FakeRegistry registry;
  for (int pid = -2; pid < 4; ++pid)
    registry.ids[pid] = input.string(30);

  const std::vector<WindowResult> all = allWindows(source, registry);
  const std::vector<WindowResult> usable = usableWindows(source, registry);
  if (!isOrderedSubset(usable, all))
    std::abort();
  for (const WindowResult& window : usable) {
    if (!(window.width >= minimumUsableWidth && window.height >= minimumUsableHeight))
      std::abort();
  }
  if (const auto front = foundOrNotFound([&] { return frontmostApplication(source, registry); }))
    encodeOrRefuse(*front);
  const Point point{anyDouble(input), anyDouble(input)};
  if (const auto window = foundOrNotFound([&] { return windowAtPoint(point, source, registry); })) {
    if (!contains(*window, point))
      std::abort();
    encodeOrRefuse(*window);
  }
  const std::string bundle = input.string(30);
  if (const auto window =
          foundOrNotFound([&] { return windowForBundle(bundle, source, registry); })) {
    if (!sameBundleId(window->bundleId, bundle))
      std::abort();
  }
  for (const WindowResult& window : all)
    encodeOrRefuse(window);
  return 0;
}
