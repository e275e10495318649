#pragma once

#include "platform/ocr_backend.h"

namespace orvane {

// The one symbol the text recognition module exports. It makes a backend that the caller owns, or
// returns nullptr when it cannot. The version in the name keeps a stale module from being used.
inline constexpr const char* ocrModuleEntryName = "orvane_create_ocr_backend_v1";
using OcrModuleEntry = OcrBackend* (*)();

}  // namespace orvane
