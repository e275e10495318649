#include "platform/kwin/kwin_window_source.h"

#include <chrono>

#include "platform/desktop/desktop_window_source.h"
#include "platform/kwin/kwin_exchange.h"
#include "platform/kwin/kwin_windows.h"

namespace orvane {

std::unique_ptr<WindowSource> makeKWinWindowSource(ProcessNamer processName,
                                                   std::shared_ptr<AppIdsSeen> appIdsSeen) {
  return makeDesktopWindowSource(
      [appIdsSeen](std::chrono::steady_clock::time_point deadline) {
        std::vector<WindowFacts> windows = kwin::windowsOnScreen(kwin::requestWindowList(deadline));
        for (const WindowFacts& window : windows)
          if (window.processId && window.className)
            appIdsSeen->try_emplace(*window.processId, *window.className);
        return windows;
      },
      std::move(processName));
}

}  // namespace orvane
