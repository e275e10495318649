#pragma once

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "platform/common/json_reader.h"

namespace orvane::json {

// Members of an object read leniently: a member of another type counts as absent.
std::optional<double> numberMember(const Value& node, std::string_view key);
// True only for a member that is the JSON true.
bool flagMember(const Value& node, std::string_view key);
const std::string* stringMember(const Value& node, std::string_view key);

// A shell's coordinate rounded to whole pixels and held within Integer, never wrapped.
template <typename Integer>
Integer clampedRound(double value) {
  return static_cast<Integer>(std::clamp(std::round(value),
                                         static_cast<double>(std::numeric_limits<Integer>::min()),
                                         static_cast<double>(std::numeric_limits<Integer>::max())));
}

}  // namespace orvane::json
