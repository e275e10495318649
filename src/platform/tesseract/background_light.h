#pragma once

#include "platform/tesseract/leptonica_image.h"

namespace orvane {

// Makes the mid-tone and dark backgrounds of an 8-bit grey image of dark text on light white,
// each pixel divided by the lightest value around it within a square as wide as a glyph. Text on a
// mid-tone bar keeps its contrast to the bar instead of sharing one threshold with the page,
// which would put the bar and its text on the same side. Dark areas wider than the square in both
// directions turn white with their background; glyph strokes are far narrower. nullptr if memory
// runs out.
PixPointer whitenBackgrounds(Pix* grey, int glyphHeight);

}  // namespace orvane
