#include "platform/macos/cf_window_values.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/macos/cf_string_utf8.h"

namespace orvane {

namespace {

WindowNumber numberOf(CFNumberRef number) {
  if (CFNumberIsFloatType(number)) {
    double value = 0;
    CFNumberGetValue(number, kCFNumberDoubleType, &value);
    return WindowNumber::ofFloating(value);
  }
  std::int64_t value = 0;
  CFNumberGetValue(number, kCFNumberSInt64Type, &value);
  return WindowNumber::ofInteger(value);
}

WindowNumber numberOf(CFBooleanRef boolean) {
  return WindowNumber::ofInteger(CFBooleanGetValue(boolean) ? 1 : 0);
}

bool isString(CFTypeRef object) {
  return object != nullptr && CFGetTypeID(object) == CFStringGetTypeID();
}

}  // namespace

std::optional<WindowValue> windowValueOf(CFTypeRef value) {
  if (value == nullptr)
    return std::nullopt;
  const CFTypeID type = CFGetTypeID(value);
  if (type == CFNumberGetTypeID())
    return WindowValue{numberOf(static_cast<CFNumberRef>(value))};
  if (type == CFBooleanGetTypeID())
    return WindowValue{numberOf(static_cast<CFBooleanRef>(value))};
  if (type == CFStringGetTypeID())
    return WindowValue{utf8String(static_cast<CFStringRef>(value))};
  if (type == CFDictionaryGetTypeID())
    return WindowValue{windowDictionaryOf(static_cast<CFDictionaryRef>(value))};
  return std::nullopt;
}

WindowDictionary windowDictionaryOf(CFDictionaryRef dictionary) {
  const CFIndex count = CFDictionaryGetCount(dictionary);
  if (count <= 0)
    return {};
  std::vector<const void*> keys(static_cast<std::size_t>(count));
  std::vector<const void*> values(static_cast<std::size_t>(count));
  CFDictionaryGetKeysAndValues(dictionary, keys.data(), values.data());

  WindowDictionary converted;
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (!isString(keys[i]))
      continue;
    std::optional<WindowValue> value = windowValueOf(values[i]);
    if (value)
      converted.emplace(utf8String(static_cast<CFStringRef>(keys[i])), std::move(*value));
  }
  return converted;
}

}  // namespace orvane
