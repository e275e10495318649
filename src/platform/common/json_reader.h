#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace orvane::json {

struct Value;
using Array = std::vector<Value>;
using Object = std::map<std::string, Value, std::less<>>;

// One JSON value. Numbers keep whether they were written as integers that fit 64 bits.
struct Value {
  std::variant<std::nullptr_t, bool, std::int64_t, double, std::string, Array, Object> content;

  // Typed look-ups: the member or element when it has the asked type, else nullptr.
  const Value* member(std::string_view key) const;
  const std::int64_t* integer() const { return std::get_if<std::int64_t>(&content); }
  const std::string* string() const { return std::get_if<std::string>(&content); }
  const Array* array() const { return std::get_if<Array>(&content); }
  const Object* object() const { return std::get_if<Object>(&content); }
};

// Malformed or too deeply nested text; what() says where.
class ParseError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Nesting deeper than this is refused rather than risking the stack.
inline constexpr std::size_t maximumDepth = 512;

// The one value that text holds, surrounding white space allowed. Escapes that name no character
// (lone surrogates) become U+FFFD; other bytes are kept as sent (the output repairs bad UTF-8).
Value parse(std::string_view text);

}  // namespace orvane::json
