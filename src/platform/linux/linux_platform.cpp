#include "platform/common/lazy_platform.h"
#include "platform/linux/ocr_module.h"
#include "platform/linux/proc_application_registry.h"
#include "platform/linux/proc_files.h"
#include "platform/system_platform.h"
#include "platform/x11/x11_window_source.h"

namespace orvane {

std::unique_ptr<Platform> makeSystemPlatform() {
  return std::make_unique<LazyPlatform>(
      PlatformFactories{[] {
                          return makeX11WindowSource([](std::uint32_t processId) {
                            return processName("/proc", processId);
                          });
                        },
                        [] { return makeProcApplicationRegistry(); }, loadOCRModule});
}

}  // namespace orvane
