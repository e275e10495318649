#include "base/unicode_text.h"

#include <CoreFoundation/CoreFoundation.h>

#include "platform/macos/cf_ownership.h"
#include "platform/macos/cf_string_utf8.h"

namespace orvane {

namespace {

// The text, changed in place by change, back as UTF-8; nothing when the text is not UTF-8.
template <typename Change>
std::optional<std::string> changedText(std::string_view text, Change change) {
  const CfOwned<CFStringRef> string(
      CFStringCreateWithBytes(kCFAllocatorDefault, reinterpret_cast<const UInt8*>(text.data()),
                              static_cast<CFIndex>(text.size()), kCFStringEncodingUTF8, false));
  if (!string)
    return std::nullopt;
  const CfOwned<CFMutableStringRef> changed(
      CFStringCreateMutableCopy(kCFAllocatorDefault, 0, string.get()));
  if (!changed)
    return std::nullopt;
  change(changed.get());
  return utf8String(changed.get());
}

}  // namespace

// A null locale asks for the mapping that holds in every language (no Turkish dotless i).
std::optional<std::string> lowercasedText(std::string_view text) {
  return changedText(text, [](CFMutableStringRef string) { CFStringLowercase(string, nullptr); });
}

std::optional<std::string> caseFoldedText(std::string_view text) {
  return changedText(text, [](CFMutableStringRef string) {
    CFStringFold(string, kCFCompareCaseInsensitive, nullptr);
  });
}

std::optional<std::string> composedText(std::string_view text) {
  return changedText(text, [](CFMutableStringRef string) {
    CFStringNormalize(string, kCFStringNormalizationFormC);
  });
}

}  // namespace orvane
