#include "fuzz/json_check.h"

#include <cstddef>

namespace orvane::testing {

namespace {

// A strict recursive-descent reader that only says yes or no.
class JsonChecker {
 public:
  explicit JsonChecker(std::string_view text) : text_(text) {}

  bool document() { return value(0) && at_ == text_.size(); }

 private:
  static constexpr int maximumDepth = 256;

  bool more() const { return at_ < text_.size(); }
  char peek() const { return more() ? text_[at_] : '\0'; }
  bool take(char c) {
    if (peek() != c || !more())
      return false;
    ++at_;
    return true;
  }
  bool literal(std::string_view word) {
    if (text_.substr(at_, word.size()) != word)
      return false;
    at_ += word.size();
    return true;
  }

  bool value(int depth) {
    if (depth > maximumDepth)
      return false;
    switch (peek()) {
      case '{':
        return object(depth);
      case '[':
        return array(depth);
      case '"':
        return string();
      case 't':
        return literal("true");
      case 'f':
        return literal("false");
      case 'n':
        return literal("null");
      default:
        return number();
    }
  }

  bool object(int depth) {
    take('{');
    if (take('}'))
      return true;
    do {
      if (!string() || !take(':') || !value(depth + 1))
        return false;
    } while (take(','));
    return take('}');
  }

  bool array(int depth) {
    take('[');
    if (take(']'))
      return true;
    do {
      if (!value(depth + 1))
        return false;
    } while (take(','));
    return take(']');
  }

  bool digits() {
    const std::size_t start = at_;
    while (more() && peek() >= '0' && peek() <= '9')
      ++at_;
    return at_ > start;
  }

  bool number() {
    take('-');
    if (take('0')) {
      if (peek() >= '0' && peek() <= '9')
        return false;
    } else if (!digits()) {
      return false;
    }
    if (take('.') && !digits())
      return false;
    if (peek() == 'e' || peek() == 'E') {
      ++at_;
      if (!take('+'))
        take('-');
      if (!digits())
        return false;
    }
    return true;
  }

  bool hexDigit() {
    const char c = peek();
    const bool ok = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    if (ok)
      ++at_;
    return ok;
  }

  bool escape() {
    const char c = peek();
    ++at_;
    switch (c) {
      case '"':
      case '\\':
      case '/':
      case 'b':
      case 'f':
      case 'n':
      case 'r':
      case 't':
        return true;
      case 'u':
        return hexDigit() && hexDigit() && hexDigit() && hexDigit();
      default:
        return false;
    }
  }

  bool utf8Sequence() {
    const auto lead = static_cast<unsigned char>(peek());
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      low = lead == 0xE0 ? 0xA0 : 0x80;
      high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      low = lead == 0xF0 ? 0x90 : 0x80;
      high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
      return false;
    }
    if (at_ + length > text_.size())
      return false;
    for (std::size_t i = 1; i < length; ++i) {
      const auto byte = static_cast<unsigned char>(text_[at_ + i]);
      if (byte < (i == 1 ? low : 0x80) || byte > (i == 1 ? high : 0xBF))
        return false;
    }
    at_ += length;
    return true;
  }

  bool string() {
    if (!take('"'))
      return false;
    while (more()) {
      const auto c = static_cast<unsigned char>(peek());
      if (c == '"') {
        ++at_;
        return true;
      }
      if (c < 0x20)
        return false;
      if (c == '\\') {
        ++at_;
        if (!escape())
          return false;
      } else if (c < 0x80) {
        ++at_;
      } else if (!utf8Sequence()) {
        return false;
      }
    }
    return false;
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

}  // namespace

bool isValidJSONDocument(std::string_view text) {
  return JsonChecker(text).document();
}

}  // namespace orvane::testing
