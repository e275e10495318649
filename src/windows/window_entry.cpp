#include "windows/window_entry.h"

#include <cmath>
#include <limits>

namespace orvane {

namespace {

template <typename T>
const T* valueAt(const WindowDictionary& entry, std::string_view key) {
  const auto found = entry.find(key);
  if (found == entry.end())
    return nullptr;
  return std::get_if<T>(&found->second.content);
}

// Truncation toward zero, NaN as 0 and saturation at the limits, so that no floating value makes
// the conversion undefined.
std::int64_t truncatedInteger(double value) {
  if (std::isnan(value))
    return 0;
  constexpr double two63 = 9223372036854775808.0;
  if (value >= two63)
    return std::numeric_limits<std::int64_t>::max();
  if (value < -two63)
    return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(value);
}

}  // namespace

const WindowNumber* numberAt(const WindowDictionary& entry, std::string_view key) {
  return valueAt<WindowNumber>(entry, key);
}

const std::string* stringAt(const WindowDictionary& entry, std::string_view key) {
  return valueAt<std::string>(entry, key);
}

const WindowDictionary* dictionaryAt(const WindowDictionary& entry, std::string_view key) {
  return valueAt<WindowDictionary>(entry, key);
}

std::int64_t integerValue(const WindowNumber& number) {
  return number.isInteger ? number.integer : truncatedInteger(number.floating);
}

std::uint32_t unsignedIntValue(const WindowNumber& number) {
  return static_cast<std::uint32_t>(integerValue(number));
}

std::int32_t intValue(const WindowNumber& number) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(integerValue(number)));
}

double doubleValue(const WindowNumber& number) {
  return number.isInteger ? static_cast<double>(number.integer) : number.floating;
}

std::optional<Rect> rectFromDictionary(const WindowDictionary& bounds) {
  const WindowNumber* x = numberAt(bounds, boundsKeyX);
  const WindowNumber* y = numberAt(bounds, boundsKeyY);
  const WindowNumber* width = numberAt(bounds, boundsKeyWidth);
  const WindowNumber* height = numberAt(bounds, boundsKeyHeight);
  if (!x || !y || !width || !height)
    return std::nullopt;
  return Rect{doubleValue(*x), doubleValue(*y), doubleValue(*width), doubleValue(*height)};
}

WindowValue numberValue(std::int64_t value) {
  return {WindowNumber::ofInteger(value)};
}

WindowValue floatingValue(double value) {
  return {WindowNumber::ofFloating(value)};
}

WindowValue stringValue(std::string value) {
  return {std::move(value)};
}

WindowValue boundsValue(double x, double y, double width, double height) {
  return {WindowDictionary{{std::string(boundsKeyX), floatingValue(x)},
                           {std::string(boundsKeyY), floatingValue(y)},
                           {std::string(boundsKeyWidth), floatingValue(width)},
                           {std::string(boundsKeyHeight), floatingValue(height)}}};
}

}  // namespace orvane
