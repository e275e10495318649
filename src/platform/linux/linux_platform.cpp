#include "platform/common/lazy_platform.h"
#include "platform/linux/ocr_module.h"
#include "platform/linux/proc_application_registry.h"
#include "platform/system_platform.h"
#include "platform/x11/x11_window_source.h"

namespace orvane {

std::unique_ptr<Platform> makeSystemPlatform() {
  return std::make_unique<LazyPlatform>(PlatformFactories{
      makeX11WindowSource, [] { return makeProcApplicationRegistry(); }, loadOcrModule});
}

}  // namespace orvane
