#include "platform/tesseract/image_preparation.h"

#include <allheaders.h>

namespace orvane {

namespace {

constexpr l_uint32 opaqueWhite = 0xffffff00;

}  // namespace

PixPointer prepareForRecognition(Pix* stored) {
  if (pixGetDepth(stored) == 32 && pixGetSpp(stored) == 4)
    return PixPointer(pixAlphaBlendUniform(stored, opaqueWhite));
  if (pixGetDepth(stored) == 16)
    return PixPointer(pixConvert16To8(stored, L_MS_BYTE));
  return PixPointer(pixClone(stored));
}

}  // namespace orvane
