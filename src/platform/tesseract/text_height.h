#pragma once

#include <optional>

struct Pix;

namespace orvane {

// Grey values below this count as ink. Anti-aliased glyphs of small text rarely reach full
// black; this keeps their strokes joined.
inline constexpr int inkThreshold = 160;

// The typical height in pixels of the glyphs in an 8-bit grey image of dark text on light: the
// median height of the dark connected components that are shaped like glyphs or parts of them.
// Nothing when the image holds too few of them to tell.
std::optional<int> typicalGlyphHeight(Pix* grey);

}  // namespace orvane
