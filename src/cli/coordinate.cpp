#include "cli/coordinate.h"

#include "platform/c_locale_number.h"

namespace orvane {

namespace {

bool isBlank(char c) {
  return c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == ' ';
}

}  // namespace

std::optional<double> parseCoordinate(const std::string& text) {
  if (text.empty() || isBlank(text.front()))
    return std::nullopt;
  char* end = nullptr;
  const double value = strtodInCLocale(text.c_str(), &end);
  if (end != text.c_str() + text.size())
    return std::nullopt;
  return value;
}

}  // namespace orvane
