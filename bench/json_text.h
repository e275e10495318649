#pragma once

#include <optional>
#include <string>

namespace orvane::bench {

// The top-level "text" member of a compact JSON object, unescaped to UTF-8; nothing when the
// document has none.
std::optional<std::string> topLevelText(const std::string& document);

}  // namespace orvane::bench
