#pragma once

#include <optional>
#include <string>

namespace orvane {

// Reads one coordinate operand: the whole text must be a number that strtod reads in the C
// locale (decimal, hexadecimal float, inf, nan), with no leading blank. Returns nothing when the
// text is empty, starts with a blank or has anything left over.
std::optional<double> parseCoordinate(const std::string& text);

}  // namespace orvane
