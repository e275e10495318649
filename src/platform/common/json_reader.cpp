#include "platform/common/json_reader.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace orvane::json {

const Value* Value::member(std::string_view key) const {
  const Object* members = object();
  if (members == nullptr)
    return nullptr;
  const auto found = members->find(key);
  return found == members->end() ? nullptr : &found->second;
}

namespace {

constexpr char32_t replacementCharacter = 0xFFFD;

void appendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  Value document() {
    Value value = parseValue(0);
    skipSpace();
    if (position_ != text_.size())
      fail("text after the value");
    return value;
  }

 private:
  [[noreturn]] void fail(const char* what) const {
    throw ParseError(std::string("malformed JSON at byte ") + std::to_string(position_) + ": " +
                     what);
  }

  void skipSpace() {
    while (position_ < text_.size() && std::strchr(" \t\r\n", text_[position_]) != nullptr &&
           text_[position_] != '\0')
      ++position_;
  }

  char peek() {
    skipSpace();
    if (position_ >= text_.size())
      fail("unexpected end");
    return text_[position_];
  }

  void expectWord(std::string_view word) {
    if (text_.substr(position_, word.size()) != word)
      fail("unknown word");
    position_ += word.size();
  }

  Value parseValue(std::size_t depth) {
    if (depth > maximumDepth)
      fail("nested too deeply");
    switch (peek()) {
      case '{':
        return Value{parseObject(depth)};
      case '[':
        return Value{parseArray(depth)};
      case '"':
        return Value{parseString()};
      case 't':
        expectWord("true");
        return Value{true};
      case 'f':
        expectWord("false");
        return Value{false};
      case 'n':
        expectWord("null");
        return Value{nullptr};
      default:
        return parseNumber();
    }
  }

  Object parseObject(std::size_t depth) {
    ++position_;
    Object members;
    if (peek() == '}') {
      ++position_;
      return members;
    }
    for (;;) {
      if (peek() != '"')
        fail("expected a member name");
      std::string key = parseString();
      if (peek() != ':')
        fail("expected ':'");
      ++position_;
      Value value = parseValue(depth + 1);
      members.insert_or_assign(std::move(key), std::move(value));
      const char next = peek();
      ++position_;
      if (next == '}')
        return members;
      if (next != ',')
        fail("expected ',' or '}'");
    }
  }

  Array parseArray(std::size_t depth) {
    ++position_;
    Array elements;
    if (peek() == ']') {
      ++position_;
      return elements;
    }
    for (;;) {
      elements.push_back(parseValue(depth + 1));
      const char next = peek();
      ++position_;
      if (next == ']')
        return elements;
      if (next != ',')
        fail("expected ',' or ']'");
    }
  }

  unsigned hexQuad() {
    if (text_.size() - position_ < 4)
      fail("short \\u escape");
    unsigned code = 0;
    for (int i = 0; i < 4; ++i) {
      const char digit = text_[position_++];
      code <<= 4;
      if (digit >= '0' && digit <= '9')
        code |= static_cast<unsigned>(digit - '0');
      else if (digit >= 'a' && digit <= 'f')
        code |= static_cast<unsigned>(digit - 'a' + 10);
      else if (digit >= 'A' && digit <= 'F')
        code |= static_cast<unsigned>(digit - 'A' + 10);
      else
        fail("bad \\u escape");
    }
    return code;
  }

  char32_t escapedCharacter() {
    const unsigned first = hexQuad();
    if (first < 0xD800 || first > 0xDFFF)
      return first;
    if (first <= 0xDBFF && text_.substr(position_, 2) == "\\u") {
      const std::size_t before = position_;
      position_ += 2;
      const unsigned second = hexQuad();
      if (second >= 0xDC00 && second <= 0xDFFF)
        return 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00);
      position_ = before;
    }
    return replacementCharacter;
  }

  std::string parseString() {
    ++position_;
    std::string out;
    for (;;) {
      if (position_ >= text_.size())
        fail("unterminated string");
      const char c = text_[position_];
      if (c == '"') {
        ++position_;
        return out;
      }
      if (static_cast<unsigned char>(c) < 0x20)
        fail("control character in string");
      if (c == '\\') {
        ++position_;
        if (position_ >= text_.size())
          fail("unterminated string");
        const char escape = text_[position_++];
        switch (escape) {
          case '"':
          case '\\':
          case '/':
            out += escape;
            break;
          case 'b':
            out += '\b';
            break;
          case 'f':
            out += '\f';
            break;
          case 'n':
            out += '\n';
            break;
          case 'r':
            out += '\r';
            break;
          case 't':
            out += '\t';
            break;
          case 'u':
            appendUtf8(out, escapedCharacter());
            break;
          default:
            fail("bad escape");
        }
        continue;
      }
      out += c;
      ++position_;
    }
  }

  Value parseNumber() {
    const std::size_t start = position_;
    if (position_ < text_.size() && text_[position_] == '-')
      ++position_;
    const std::size_t digits = position_;
    bool integral = true;
    while (position_ < text_.size() &&
           std::strchr("0123456789.eE+-", text_[position_]) != nullptr &&
           text_[position_] != '\0') {
      if (std::strchr(".eE", text_[position_]) != nullptr)
        integral = false;
      ++position_;
    }
    if (position_ == digits || text_[digits] < '0' || text_[digits] > '9')
      fail("unexpected character");
    const std::string number(text_.substr(start, position_ - start));
    char* end = nullptr;
    if (integral) {
      errno = 0;
      const long long value = std::strtoll(number.c_str(), &end, 10);
      if (errno == 0 && *end == '\0')
        return Value{static_cast<std::int64_t>(value)};
    }
    const double value = std::strtod(number.c_str(), &end);
    if (*end != '\0' || !std::isfinite(value))
      fail("bad number");
    return Value{value};
  }

  std::string_view text_;
  std::size_t position_ = 0;
};

}  // namespace

Value parse(std::string_view text) {
  return Parser(text).document();
}

}  // namespace orvane::json
