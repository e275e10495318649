#include "platform/tesseract/text_height.h"

#include <allheaders.h>
#include <algorithm>
#include <vector>

namespace orvane {

namespace {

constexpr int minimumComponents = 8;
// Dots, specks and rules, boxes and pictures are no measure of the text size.
constexpr l_int32 smallestGlyph = 3;
constexpr l_int32 largestGlyph = 400;
constexpr l_int32 widestAspect = 4;

std::vector<int> glyphHeights(Boxa* boxes) {
  std::vector<int> heights;
  const l_int32 count = boxaGetCount(boxes);
  for (l_int32 i = 0; i < count; ++i) {
    l_int32 x = 0, y = 0, w = 0, h = 0;
    if (boxaGetBoxGeometry(boxes, i, &x, &y, &w, &h) != 0)
      continue;
    if (h >= smallestGlyph && h <= largestGlyph && w <= widestAspect * h)
      heights.push_back(h);
  }
  return heights;
}

}  // namespace

std::optional<int> typicalGlyphHeight(const InkMarks& marks) {
  std::vector<int> heights = glyphHeights(marks.boxes.get());
  if (heights.size() < minimumComponents)
    return std::nullopt;
  auto middle = heights.begin() + static_cast<std::ptrdiff_t>(heights.size() / 2);
  std::nth_element(heights.begin(), middle, heights.end());
  return *middle;
}

}  // namespace orvane
