#pragma once

#include <optional>

#include "platform/tesseract/ink_marks.h"

namespace orvane {

// The typical height in pixels of the glyphs in an image, from its ink marks: the median height
// of the marks that are shaped like glyphs or parts of them. Nothing when the image holds too
// few of them to tell.
std::optional<int> typicalGlyphHeight(const InkMarks& marks);

}  // namespace orvane
