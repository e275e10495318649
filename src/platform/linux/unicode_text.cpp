#include "base/unicode_text.h"

#include <utf8proc.h>

#include <cstdlib>
#include <memory>

namespace orvane {

namespace {

const utf8proc_uint8_t* bytesOf(std::string_view text) {
  return reinterpret_cast<const utf8proc_uint8_t*>(text.data());
}

std::optional<std::string> mapped(std::string_view text, int options) {
  utf8proc_uint8_t* result = nullptr;
  const utf8proc_ssize_t length =
      utf8proc_map(bytesOf(text), static_cast<utf8proc_ssize_t>(text.size()), &result,
                   static_cast<utf8proc_option_t>(options));
  const std::unique_ptr<utf8proc_uint8_t, decltype(&std::free)> owned(result, &std::free);
  if (length < 0)
    return std::nullopt;
  return std::string(reinterpret_cast<const char*>(result), static_cast<std::size_t>(length));
}

void appendCodePoint(std::string& text, utf8proc_int32_t codePoint) {
  utf8proc_uint8_t bytes[4];
  const utf8proc_ssize_t length = utf8proc_encode_char(codePoint, bytes);
  text.append(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(length));
}

}  // namespace

// utf8proc_tolower is the simple mapping, one character to one. Of the full mapping's
// unconditional special cases only U+0130 lowers to more than one character.
std::optional<std::string> lowercasedText(std::string_view text) {
  constexpr utf8proc_int32_t capitalIWithDotAbove = 0x130;
  constexpr utf8proc_int32_t combiningDotAbove = 0x307;
  std::string lowered;
  lowered.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    utf8proc_int32_t codePoint = 0;
    const utf8proc_ssize_t length = utf8proc_iterate(
        bytesOf(text.substr(at)), static_cast<utf8proc_ssize_t>(text.size() - at), &codePoint);
    if (length <= 0)
      return std::nullopt;
    at += static_cast<std::size_t>(length);
    if (codePoint == capitalIWithDotAbove) {
      lowered += 'i';
      appendCodePoint(lowered, combiningDotAbove);
    } else {
      appendCodePoint(lowered, utf8proc_tolower(codePoint));
    }
  }
  return lowered;
}

std::optional<std::string> caseFoldedText(std::string_view text) {
  return mapped(text, UTF8PROC_CASEFOLD);
}

std::optional<std::string> composedText(std::string_view text) {
  return mapped(text, UTF8PROC_STABLE | UTF8PROC_COMPOSE);
}

}  // namespace orvane
