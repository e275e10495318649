#include "platform/tesseract/background_light.h"

#include <allheaders.h>

namespace orvane {

namespace {

constexpr l_int32 white = 255;
// Only mid-tone backgrounds change. Light ones are left as they are: Tesseract's threshold
// already puts them apart from their text, and its reading shifts with every change of grey.
// Dark ones hold light text that was not turned dark, which Tesseract reads as it is.
constexpr l_int32 darkestMidTone = 64;
constexpr l_int32 lightestMidTone = 191;

// Pixels closer to their background than to black are background: title text often has a light
// halo that makes the background seem lighter than it is near the glyphs.
l_int32 lightened(l_int32 value, l_int32 around) {
  if (around < darkestMidTone || around > lightestMidTone)
    return value;
  if (2 * value >= around)
    return white;
  return value * white / around;
}

}  // namespace

PixPointer whitenBackgrounds(Pix* grey, int glyphHeight) {
  // Odd, as the grey closing needs, and no narrower than a glyph.
  const l_int32 side = glyphHeight | 1;
  const PixPointer background(pixCloseGray(grey, side, side));
  PixPointer result(background ? pixCreateTemplate(grey) : nullptr);
  if (!result)
    return nullptr;
  const l_int32 width = pixGetWidth(grey);
  const l_int32 height = pixGetHeight(grey);
  const l_int32 wordsPerLine = pixGetWpl(grey);
  for (l_int32 y = 0; y < height; ++y) {
    const l_uint32* in = pixGetData(grey) + static_cast<std::ptrdiff_t>(y) * wordsPerLine;
    const l_uint32* light =
        pixGetData(background.get()) + static_cast<std::ptrdiff_t>(y) * pixGetWpl(background.get());
    l_uint32* out =
        pixGetData(result.get()) + static_cast<std::ptrdiff_t>(y) * pixGetWpl(result.get());
    for (l_int32 x = 0; x < width; ++x) {
      const l_int32 value = GET_DATA_BYTE(in, x);
      const l_int32 around = GET_DATA_BYTE(light, x);
      SET_DATA_BYTE(out, x, lightened(value, around));
    }
  }
  return result;
}

}  // namespace orvane
