#pragma once

#include <vector>

#include "ocr/text_recognition.h"

namespace tesseract {
class TessBaseAPI;
}

namespace orvane {

// A box in pixels as Tesseract gives it: left and top inclusive, right and bottom exclusive, y
// growing downwards.
struct PixelBox {
  int left;
  int top;
  int right;
  int bottom;
};

// The box as a fraction of an imageWidth x imageHeight image, origin at the lower-left corner.
NormalizedBox normalizedBox(const PixelBox& box, int imageWidth, int imageHeight);

// The text lines of a finished recognition, in Tesseract's order: each line's text without the
// line feeds that close it, its confidence from 0 to 1, and its box normalised to the image.
std::vector<TextObservation> readTextLines(tesseract::TessBaseAPI& api, int imageWidth,
                                           int imageHeight);

}  // namespace orvane
