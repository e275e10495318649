#pragma once

#include "platform/tesseract/leptonica_image.h"

namespace orvane {

// The image as the recogniser is given it: the stored pixels, with transparency laid over white
// and 16-bit samples cut to 8 bits, which Tesseract's thresholding does not handle. The place for
// further preprocessing (scaling, inversion). Never changes stored; nullptr if memory runs out.
PixPointer prepareForRecognition(Pix* stored);

}  // namespace orvane
