#include "platform/tesseract/dark_regions.h"

#include <allheaders.h>

namespace orvane {

namespace {

// Half the side of the neighbourhood whose mean decides: several text lines high, so that a
// line of text sits well inside the region it belongs to.
constexpr l_int32 neighbourhoodRadius = 24;
constexpr l_int32 midGrey = 128;

// 1 where the neighbourhood mean is dark.
PixPointer darkMask(Pix* grey) {
  const PixPointer mean(pixBlockconv(grey, neighbourhoodRadius, neighbourhoodRadius));
  if (!mean)
    return nullptr;
  return PixPointer(pixThresholdToBinary(mean.get(), midGrey));
}

}  // namespace

bool hasDarkRegions(Pix* grey) {
  const PixPointer mask = darkMask(grey);
  l_int32 empty = 1;
  return mask && pixZero(mask.get(), &empty) == 0 && empty == 0;
}

PixPointer invertDarkRegions(Pix* grey) {
  const PixPointer mask = darkMask(grey);
  if (!mask)
    return nullptr;
  PixPointer result(pixCopy(nullptr, grey));
  const PixPointer inverted(pixInvert(nullptr, grey));
  if (!result || !inverted || pixCombineMasked(result.get(), inverted.get(), mask.get()) != 0)
    return nullptr;
  return result;
}

}  // namespace orvane
