#include "platform/linux/ocr_module.h"

#include "cli/tool_error.h"

namespace orvane {

std::unique_ptr<OcrBackend> loadOcrModule() {
  throw PlatformError("text recognition is not available yet");
}

}  // namespace orvane
