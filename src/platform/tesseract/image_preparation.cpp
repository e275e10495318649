#include "platform/tesseract/image_preparation.h"

#include <allheaders.h>
#include <algorithm>
#include <cmath>

#include "platform/tesseract/background_light.h"
#include "platform/tesseract/dark_regions.h"
#include "platform/tesseract/non_text_marks.h"
#include "platform/tesseract/text_height.h"

namespace orvane {

namespace {

constexpr l_uint32 opaqueWhite = 0xffffff00;
// Below this the enlargement is not worth its cost.
constexpr double smallestUsefulScale = 1.1;

PixPointer storedAsEightBits(Pix* stored) {
  if (pixGetDepth(stored) == 32 && pixGetSpp(stored) == 4)
    return PixPointer(pixAlphaBlendUniform(stored, opaqueWhite));
  if (pixGetDepth(stored) == 16)
    return PixPointer(pixConvert16To8(stored, L_MS_BYTE));
  return PixPointer(pixClone(stored));
}

PixPointer darkTextOnLight(PixPointer grey) {
  if (!grey || !hasDarkRegions(grey.get()))
    return grey;
  return invertDarkRegions(grey.get());
}

}  // namespace

PixPointer greyForRecognition(Pix* stored) {
  const PixPointer base = storedAsEightBits(stored);
  if (!base)
    return nullptr;
  if (pixGetDepth(base.get()) == 8 && pixGetColormap(base.get()) == nullptr)
    return PixPointer(pixClone(base.get()));
  return PixPointer(pixConvertTo8(base.get(), 0));
}

double recognitionScale(std::optional<int> glyphHeight, int width, int height) {
  if (!glyphHeight || *glyphHeight <= 0 || width <= 0 || height <= 0)
    return 1;
  const double wanted = std::min(targetGlyphHeight / *glyphHeight, maximumScale);
  const double affordable = std::sqrt(scaledPixelBudget / (static_cast<double>(width) * height));
  const double scale = std::min(wanted, affordable);
  return scale < smallestUsefulScale ? 1 : scale;
}

PixPointer prepareForRecognition(PixPointer grey, const TileSurvey& tiles) {
  grey = darkTextOnLight(std::move(grey));
  if (!grey)
    return nullptr;
  // The grey image may still be a clone of the stored one, which must not change.
  if (pixGetRefcount(grey.get()) > 1)
    grey.reset(pixCopy(nullptr, grey.get()));
  if (!grey || !whitenPictures(grey.get(), tiles))
    return nullptr;
  const std::optional<InkMarks> ink = findInkMarks(grey.get());
  if (!ink)
    return nullptr;
  const std::optional<int> glyphHeight = typicalGlyphHeight(*ink);
  if (glyphHeight && !eraseNonTextMarks(grey.get(), *ink, *glyphHeight))
    return nullptr;
  if (glyphHeight)
    grey = whitenBackgrounds(grey.get(), *glyphHeight);
  if (!grey)
    return nullptr;
  const double scale =
      recognitionScale(glyphHeight, pixGetWidth(grey.get()), pixGetHeight(grey.get()));
  if (scale == 1)
    return grey;
  const auto factor = static_cast<l_float32>(scale);
  return PixPointer(pixScaleGrayLI(grey.get(), factor, factor));
}

}  // namespace orvane
