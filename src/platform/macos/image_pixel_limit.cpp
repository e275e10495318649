#include "platform/macos/image_pixel_limit.h"

#include <CoreFoundation/CoreFoundation.h>

#include <optional>

#include "platform/macos/cf_ownership.h"

namespace orvane {

namespace {

std::optional<std::int64_t> integerProperty(CFDictionaryRef properties, CFStringRef key) {
  const CFTypeRef value = CFDictionaryGetValue(properties, key);
  if (value == nullptr || CFGetTypeID(value) != CFNumberGetTypeID())
    return std::nullopt;
  std::int64_t integer = 0;
  CFNumberGetValue(static_cast<CFNumberRef>(value), kCFNumberSInt64Type, &integer);
  return integer;
}

}  // namespace

bool exceedsPixelLimit(CGImageSourceRef source) {
  const CfOwned<CFDictionaryRef> properties(CGImageSourceCopyPropertiesAtIndex(source, 0, nullptr));
  if (!properties)
    return false;
  const std::optional<std::int64_t> width =
      integerProperty(properties.get(), kCGImagePropertyPixelWidth);
  const std::optional<std::int64_t> height =
      integerProperty(properties.get(), kCGImagePropertyPixelHeight);
  if (!width || !height || *width <= 0 || *height <= 0)
    return false;
  // Each side alone is checked first so that the product cannot overflow.
  if (*width > maximumImagePixels || *height > maximumImagePixels)
    return true;
  return *width * *height > maximumImagePixels;
}

}  // namespace orvane
