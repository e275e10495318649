#include "platform/macos/cf_string_utf8.h"

namespace orvane {

namespace {

constexpr UInt8 replacementByte = '?';

}  // namespace

std::string utf8String(CFStringRef string) {
  const CFRange whole = CFRangeMake(0, CFStringGetLength(string));
  CFIndex size = 0;
  CFStringGetBytes(string, whole, kCFStringEncodingUTF8, replacementByte, false, nullptr, 0, &size);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  CFIndex written = 0;
  CFStringGetBytes(string, whole, kCFStringEncodingUTF8, replacementByte, false,
                   reinterpret_cast<UInt8*>(bytes.data()), size, &written);
  bytes.resize(static_cast<std::size_t>(written));
  return bytes;
}

}  // namespace orvane
