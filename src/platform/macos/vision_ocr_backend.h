#pragma once

#include <memory>

#include "platform/ocr_backend.h"

namespace orvane {

// ImageIO decoding and Vision recognition; cheap to make, nothing is loaded until first used.
std::unique_ptr<OCRBackend> makeVisionOCRBackend();

}  // namespace orvane
