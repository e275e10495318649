#pragma once

#include <optional>

#include "platform/tesseract/leptonica_image.h"

namespace orvane {

// The 8-connected marks of ink in an 8-bit grey image of dark text on light (grey values below a
// threshold that keeps the faint strokes of small anti-aliased text joined): each mark's box and
// its image, in the same order. Measuring the text and erasing frames both work from these.
struct InkMarks {
  BoxaPointer boxes;
  PixaPointer images;
};

// Nothing if memory runs out.
std::optional<InkMarks> findInkMarks(Pix* grey);

}  // namespace orvane
