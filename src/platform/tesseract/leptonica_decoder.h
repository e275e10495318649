#pragma once

#include "ocr/text_recognition.h"

namespace orvane {

// Decodes image files with Leptonica: the first image only (page 0 of a TIFF, the first frame of a
// GIF), pixels as stored, no orientation tag applied. Anything but a regular file, and any image
// beyond the pixel limit of image_size.h, is refused without decoding.
class LeptonicaDecoder : public ImageDecoder {
 public:
  std::unique_ptr<DecodedImage> decodeFirstImage(const std::string& path) override;
};

}  // namespace orvane
