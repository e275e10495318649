#include "window_json.h"

#include <cstdlib>
#include <map>
#include <variant>

namespace orvane::testing {

namespace {

using Value = std::variant<double, std::string>;
using Object = std::map<std::string, Value>;

// A reader of the small JSON subset the tool writes: objects of strings and numbers, arrays of
// those objects.
class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  bool atEnd() const { return position_ == text_.size(); }
  bool take(char c) {
    if (position_ < text_.size() && text_[position_] == c) {
      ++position_;
      return true;
    }
    return false;
  }

  std::optional<Object> object() {
    Object result;
    if (!take('{'))
      return std::nullopt;
    if (take('}'))
      return result;
    do {
      auto key = string();
      if (!key || !take(':'))
        return std::nullopt;
      std::optional<Value> value;
      if (position_ < text_.size() && text_[position_] == '"') {
        if (auto s = string())
          value = *s;
      } else if (auto n = number()) {
        value = *n;
      }
      if (!value || !result.emplace(*key, *value).second)
        return std::nullopt;
    } while (take(','));
    return take('}') ? std::optional(result) : std::nullopt;
  }

 private:
  std::optional<double> number() {
    const std::string rest(text_.substr(position_, 64));
    char* end = nullptr;
    const double value = std::strtod(rest.c_str(), &end);
    if (end == rest.c_str())
      return std::nullopt;
    position_ += static_cast<std::size_t>(end - rest.c_str());
    return value;
  }

  static void appendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xc0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3f));
    } else if (code < 0x10000) {
      out += static_cast<char>(0xe0 | (code >> 12));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3f));
      out += static_cast<char>(0x80 | (code & 0x3f));
    } else {
      out += static_cast<char>(0xf0 | (code >> 18));
      out += static_cast<char>(0x80 | ((code >> 12) & 0x3f));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3f));
      out += static_cast<char>(0x80 | (code & 0x3f));
    }
  }

  std::optional<std::uint32_t> hex4() {
    if (position_ + 4 > text_.size())
      return std::nullopt;
    const std::string digits(text_.substr(position_, 4));
    position_ += 4;
    return static_cast<std::uint32_t>(std::strtoul(digits.c_str(), nullptr, 16));
  }

  std::optional<std::string> string() {
    if (!take('"'))
      return std::nullopt;
    std::string out;
    while (position_ < text_.size()) {
      const char c = text_[position_++];
      if (c == '"')
        return out;
      if (static_cast<unsigned char>(c) < 0x20)
        return std::nullopt;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (position_ >= text_.size())
        return std::nullopt;
      const char escaped = text_[position_++];
      const std::string_view simple = "\"\\/bfnrt", meaning = "\"\\/\b\f\n\r\t";
      if (const auto at = simple.find(escaped); at != std::string_view::npos) {
        out += meaning[at];
        continue;
      }
      auto code = escaped == 'u' ? hex4() : std::nullopt;
      if (!code)
        return std::nullopt;
      if (*code >= 0xd800 && *code < 0xdc00 && take('\\') && take('u')) {
        const auto low = hex4();
        if (!low)
          return std::nullopt;
        *code = 0x10000 + ((*code - 0xd800) << 10) + (*low - 0xdc00);
      }
      appendUtf8(out, *code);
    }
    return std::nullopt;
  }

  std::string_view text_;
  std::size_t position_ = 0;
};

std::optional<ListedWindow> windowOf(const Object& object) {
  if (object.size() != 8)
    return std::nullopt;
  ListedWindow window;
  try {
    window.windowId = static_cast<std::uint32_t>(std::get<double>(object.at("windowId")));
    window.owner = std::get<std::string>(object.at("owner"));
    window.bundleId = std::get<std::string>(object.at("bundleId"));
    window.title = std::get<std::string>(object.at("title"));
    window.x = std::get<double>(object.at("x"));
    window.y = std::get<double>(object.at("y"));
    window.width = std::get<double>(object.at("width"));
    window.height = std::get<double>(object.at("height"));
  } catch (const std::exception&) {
    return std::nullopt;
  }
  return window;
}

std::optional<std::string_view> withoutLineFeed(std::string_view text) {
  if (!text.ends_with('\n'))
    return std::nullopt;
  return text.substr(0, text.size() - 1);
}

}  // namespace

std::optional<std::vector<ListedWindow>> parseWindowArray(std::string_view text) {
  const auto body = withoutLineFeed(text);
  if (!body)
    return std::nullopt;
  Reader reader(*body);
  std::vector<ListedWindow> windows;
  if (!reader.take('['))
    return std::nullopt;
  if (!reader.take(']')) {
    do {
      const auto object = reader.object();
      const auto window = object ? windowOf(*object) : std::nullopt;
      if (!window)
        return std::nullopt;
      windows.push_back(*window);
    } while (reader.take(','));
    if (!reader.take(']'))
      return std::nullopt;
  }
  return reader.atEnd() ? std::optional(windows) : std::nullopt;
}

std::optional<ListedWindow> parseWindowObject(std::string_view text) {
  const auto body = withoutLineFeed(text);
  if (!body)
    return std::nullopt;
  Reader reader(*body);
  const auto object = reader.object();
  if (!object || !reader.atEnd())
    return std::nullopt;
  return windowOf(*object);
}

std::optional<std::pair<std::string, std::string>> parseFrontmost(std::string_view text) {
  const auto body = withoutLineFeed(text);
  if (!body)
    return std::nullopt;
  Reader reader(*body);
  const auto object = reader.object();
  if (!object || !reader.atEnd() || object->size() != 2 || !object->contains("bundleId") ||
      !object->contains("name"))
    return std::nullopt;
  const auto* bundleId = std::get_if<std::string>(&object->at("bundleId"));
  const auto* name = std::get_if<std::string>(&object->at("name"));
  if (bundleId == nullptr || name == nullptr)
    return std::nullopt;
  return std::pair(*bundleId, *name);
}

std::vector<std::string> titles(const std::vector<ListedWindow>& windows) {
  std::vector<std::string> names;
  for (const ListedWindow& window : windows)
    names.push_back(window.title);
  return names;
}

}  // namespace orvane::testing
