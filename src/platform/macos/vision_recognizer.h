#pragma once

#include <memory>

#include "ocr/text_recognition.h"

namespace orvane {

// Vision's text recogniser at the accurate level, Simplified Chinese then US English, with
// language correction. Reads images made by the ImageIO decoder.
std::unique_ptr<TextRecognizer> makeVisionRecognizer();

}  // namespace orvane
