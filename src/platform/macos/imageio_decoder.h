#pragma once

#include <memory>

#include "ocr/text_recognition.h"

namespace orvane {

// Decodes the first image of a file with ImageIO, its pixels as stored (no orientation applied).
// Its images are CgDecodedImage.
std::unique_ptr<ImageDecoder> makeImageIoDecoder();

}  // namespace orvane
