#pragma once

#include <string>
#include <string_view>

namespace orvane::x11 {

// Text of a STRING property: ISO 8859-1, every byte one character.
std::string latin1ToUtf8(std::string_view latin1);

// Text of a COMPOUND_TEXT property, best effort: ASCII, ISO 8859-1 and UTF-8 segments are
// converted, characters of any other character set become U+FFFD, control sequences are dropped.
std::string compoundTextToUtf8(std::string_view compound);

}  // namespace orvane::x11
