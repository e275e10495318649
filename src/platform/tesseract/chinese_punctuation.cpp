#include "platform/tesseract/chinese_punctuation.h"

#include <utf8proc.h>

#include <optional>

namespace orvane {

namespace {

// Han ideographs, CJK symbols and punctuation, and the full-width forms.
bool isChinese(char32_t c) {
  return (c >= 0x3000 && c <= 0x303F) || (c >= 0x3400 && c <= 0x4DBF) ||
         (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFF00 && c <= 0xFFEF) || (c >= 0x20000 && c <= 0x2FA1F);
}

std::optional<char32_t> fullWidth(char32_t c) {
  switch (c) {
    case U':':
      return U'\uFF1A';
    case U',':
      return U'\uFF0C';
    case U';':
      return U'\uFF1B';
    case U'?':
      return U'\uFF1F';
    case U'!':
      return U'\uFF01';
    default:
      return std::nullopt;
  }
}

std::optional<std::u32string> decoded(const std::string& text) {
  std::u32string codePoints;
  const auto* bytes = reinterpret_cast<const utf8proc_uint8_t*>(text.data());
  for (std::size_t i = 0; i < text.size();) {
    utf8proc_int32_t c = 0;
    const utf8proc_ssize_t length =
        utf8proc_iterate(bytes + i, static_cast<utf8proc_ssize_t>(text.size() - i), &c);
    if (length <= 0)
      return std::nullopt;
    codePoints.push_back(static_cast<char32_t>(c));
    i += static_cast<std::size_t>(length);
  }
  return codePoints;
}

std::string encoded(const std::u32string& codePoints) {
  std::string text;
  for (const char32_t c : codePoints) {
    utf8proc_uint8_t bytes[4];
    const utf8proc_ssize_t length = utf8proc_encode_char(static_cast<utf8proc_int32_t>(c), bytes);
    text.append(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(length));
  }
  return text;
}

}  // namespace

std::string chinesePunctuation(const std::string& text) {
  const std::optional<std::u32string> codePoints = decoded(text);
  if (!codePoints)
    return text;
  std::u32string result;
  for (std::size_t i = 0; i < codePoints->size(); ++i) {
    const auto mark = fullWidth((*codePoints)[i]);
    std::size_t before = result.size();
    while (before > 0 && result[before - 1] == U' ')
      --before;
    if (!mark || before == 0 || !isChinese(result[before - 1])) {
      result.push_back((*codePoints)[i]);
      continue;
    }
    result.resize(before);
    result.push_back(*mark);
    while (i + 1 < codePoints->size() && (*codePoints)[i + 1] == U' ')
      ++i;
  }
  return encoded(result);
}

}  // namespace orvane
