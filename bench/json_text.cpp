#include "json_text.h"

#include <cstdlib>

namespace orvane::bench {

namespace {

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xc0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3f));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xe0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
    out += static_cast<char>(0x80 | (c & 0x3f));
  } else {
    out += static_cast<char>(0xf0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3f));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
    out += static_cast<char>(0x80 | (c & 0x3f));
  }
}

char32_t hexQuad(const std::string& s, std::size_t at) {
  return static_cast<char32_t>(std::strtoul(s.substr(at, 4).c_str(), nullptr, 16));
}

// Reads the string whose opening quote is at s[i]; leaves i after its closing quote.
std::string readString(const std::string& s, std::size_t& i) {
  std::string out;
  for (++i; i < s.size() && s[i] != '"'; ++i) {
    if (s[i] != '\\') {
      out += s[i];
      continue;
    }
    const char e = s[++i];
    if (e == 'n')
      out += '\n';
    else if (e == 't')
      out += '\t';
    else if (e == 'r')
      out += '\r';
    else if (e == 'b')
      out += '\b';
    else if (e == 'f')
      out += '\f';
    else if (e != 'u')
      out += e;
    else {
      char32_t c = hexQuad(s, i + 1);
      i += 4;
      if (c >= 0xd800 && c < 0xdc00 && s.compare(i + 1, 2, "\\u") == 0) {
        c = 0x10000 + ((c - 0xd800) << 10) + (hexQuad(s, i + 3) - 0xdc00);
        i += 6;
      }
      appendUtf8(out, c);
    }
  }
  ++i;
  return out;
}

}  // namespace

std::optional<std::string> topLevelText(const std::string& document) {
  int depth = 0;
  bool expectKey = false;
  for (std::size_t i = 0; i < document.size();) {
    const char c = document[i];
    if (c == '"') {
      const bool isKey = depth == 1 && expectKey;
      const std::string value = readString(document, i);
      if (isKey && value == "text" && i < document.size() && document[i] == ':') {
        ++i;
        if (i < document.size() && document[i] == '"')
          return readString(document, i);
      }
      expectKey = false;
      continue;
    }
    if (c == '{' || c == '[')
      ++depth;
    else if (c == '}' || c == ']')
      --depth;
    expectKey = depth == 1 && (c == '{' || c == ',');
    ++i;
  }
  return std::nullopt;
}

}  // namespace orvane::bench
