#include "cer.h"

#include <algorithm>
#include <vector>

namespace orvane::bench {

namespace {

// Decodes one code point starting at text[i] and moves i past it; a malformed byte stands for
// itself.
char32_t nextCodePoint(const std::string& text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i++]);
  int length = 0;
  char32_t point = 0;
  if (lead >= 0xc0 && lead < 0xe0) {
    length = 1, point = lead & 0x1f;
  } else if (lead >= 0xe0 && lead < 0xf0) {
    length = 2, point = lead & 0x0f;
  } else if (lead >= 0xf0 && lead < 0xf8) {
    length = 3, point = lead & 0x07;
  } else {
    return lead;
  }
  const std::size_t start = i;
  for (int k = 0; k < length; ++k, ++i) {
    if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xc0) != 0x80) {
      i = start;
      return lead;
    }
    point = (point << 6) | (static_cast<unsigned char>(text[i]) & 0x3f);
  }
  return point;
}

bool isSpace(char32_t c) {
  return c == U' ' || c == U'\t' || c == U'\n' || c == U'\r' || c == U'\f' || c == U'\v' ||
         c == 0x3000;
}

}  // namespace

std::u32string normalisedCodePoints(const std::string& utf8) {
  std::u32string points;
  bool pendingSpace = false;
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t c = nextCodePoint(utf8, i);
    if (isSpace(c)) {
      pendingSpace = !points.empty();
      continue;
    }
    if (pendingSpace)
      points.push_back(U' ');
    pendingSpace = false;
    points.push_back(c);
  }
  return points;
}

CharacterErrors characterErrors(const std::string& truth, const std::string& recognised) {
  const std::u32string a = normalisedCodePoints(truth);
  const std::u32string b = normalisedCodePoints(recognised);
  // Levenshtein distance, one row at a time.
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j)
    row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return CharacterErrors{row[b.size()], a.size()};
}

}  // namespace orvane::bench
