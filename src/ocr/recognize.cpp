#include "ocr/recognize.h"

#include "cli/tool_error.h"

namespace orvane {

OCRResult recognize(const std::string&, ImageDecoder&, TextRecognizer&, Sleeper&) {
  throw PlatformError("ocr is not available yet");
}

}  // namespace orvane
