#include "platform/tesseract/ink_marks.h"

#include <allheaders.h>

namespace orvane {

namespace {

// Anti-aliased glyphs of small text rarely reach full black.
constexpr l_int32 inkThreshold = 160;

}  // namespace

std::optional<InkMarks> findInkMarks(Pix* grey) {
  const PixPointer ink(pixThresholdToBinary(grey, inkThreshold));
  if (!ink)
    return std::nullopt;
  Pixa* images = nullptr;
  InkMarks marks{BoxaPointer(pixConnComp(ink.get(), &images, 8)), PixaPointer(images)};
  if (!marks.boxes || !marks.images)
    return std::nullopt;
  return marks;
}

}  // namespace orvane
