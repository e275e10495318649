#include "platform/common/lazy_platform.h"
#include "platform/macos/cg_window_source.h"
#include "platform/macos/running_application_registry.h"
#include "platform/macos/vision_ocr_backend.h"
#include "platform/system_platform.h"

namespace orvane {

std::unique_ptr<Platform> makeSystemPlatform() {
  return std::make_unique<LazyPlatform>(
      PlatformFactories{makeCgWindowSource, makeRunningApplicationRegistry, makeVisionOCRBackend});
}

}  // namespace orvane
