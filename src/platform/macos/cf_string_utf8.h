#pragma once

#include <CoreFoundation/CoreFoundation.h>

#include <string>

namespace orvane {

// The string's characters as UTF-8. A character that has no UTF-8 form (a lone surrogate)
// becomes '?' rather than cutting the string short.
std::string utf8String(CFStringRef string);

}  // namespace orvane
