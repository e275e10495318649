#pragma once

#include "platform/tesseract/ink_marks.h"

namespace orvane {

// Frames, rules and stippled bars drawn around and beside text (button outlines, scroll bars,
// table borders): Tesseract either reads them as "|", "_" and "[", or drops the text that a
// frame encloses. A mark counts as non-text only when its strokes are all thin (nothing of it
// survives an opening with a 3x3 square) and it is either a frame around other marks at least
// frameHeightFactor times the glyph height tall, or at least barHeightFactor times that height
// tall. Text of any size has solid strokes once it is large, so headlines stay.
inline constexpr double frameHeightFactor = 2.2;
inline constexpr double barHeightFactor = 3.0;
// An icon is a mark about as wide as it is tall, at least this many times the glyph height tall,
// with glyphs beside it in its rows but no mark half its height; its whole box is whitened.
inline constexpr double iconHeightFactor = 2.5;

// Whitens, in place, the non-text marks among the ink marks of an 8-bit grey image of dark text
// on light whose typical glyph is glyphHeight pixels tall. Returns false only if memory runs out.
bool eraseNonTextMarks(Pix* grey, const InkMarks& ink, int glyphHeight);

}  // namespace orvane
