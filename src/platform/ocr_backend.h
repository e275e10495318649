#pragma once

#include "ocr/text_recognition.h"

namespace orvane {

// An image decoder and a text recogniser that belong together (they share the image type).
class OCRBackend {
 public:
  virtual ~OCRBackend() = default;
  virtual ImageDecoder& imageDecoder() = 0;
  virtual TextRecognizer& textRecognizer() = 0;
};

}  // namespace orvane
