#pragma once

#include <string>

#include "ocr/ocr_records.h"
#include "ocr/text_recognition.h"

namespace orvane {

// `ocr`: decodes the first image of the file once, runs up to three recognition attempts
// (pausing 0.12 s and 0.24 s after failed attempts 1 and 2) and returns the lines in reading
// order. Throws ToolError::invalidImage, the last attempt's error, or
// ToolError::recognitionFailed.
OCRResult recognize(const std::string& path, ImageDecoder& decoder, TextRecognizer& recognizer,
                    Sleeper& sleeper);

}  // namespace orvane
