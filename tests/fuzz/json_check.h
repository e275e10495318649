#pragma once

#include <string_view>

namespace orvane::testing {

// Whether text is exactly one JSON value (RFC 8259) in valid UTF-8, with nothing around it.
bool isValidJSONDocument(std::string_view text);

}  // namespace orvane::testing
