#pragma once

#include <memory>

#include "platform/ocr_backend.h"

namespace orvane {

// The text recognition backend, loaded on demand. Throws PlatformError when it cannot be loaded.
std::unique_ptr<OCRBackend> loadOCRModule();

}  // namespace orvane
