#include "platform/common/lazy_platform.h"
#include "platform/linux/ocr_module.h"
#include "platform/linux/proc_application_registry.h"
#include "platform/linux/session_choice.h"
#include "platform/system_platform.h"

namespace orvane {

std::unique_ptr<Platform> makeSystemPlatform() {
  return std::make_unique<LazyPlatform>(PlatformFactories{
      makeSessionWindowSource, [] { return makeProcApplicationRegistry(); }, loadOCRModule});
}

}  // namespace orvane
