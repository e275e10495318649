#include "platform/common/lazy_platform.h"
#include "platform/linux/desktop_file_ids.h"
#include "platform/linux/ocr_module.h"
#include "platform/linux/proc_application_registry.h"
#include "platform/linux/session_choice.h"
#include "platform/system_platform.h"

namespace orvane {

std::unique_ptr<Platform> makeSystemPlatform() {
  // The window source notes what the compositor told of each process, for the registry.
  auto appIdsSeen = std::make_shared<AppIdsSeen>();
  return std::make_unique<LazyPlatform>(
      PlatformFactories{[appIdsSeen] { return makeSessionWindowSource(appIdsSeen); },
                        [appIdsSeen] {
                          return makeProcApplicationRegistry(
                              "/proc", {appIdsSeen, desktopFileFolders(environmentVariable)});
                        },
                        loadOCRModule});
}

}  // namespace orvane
