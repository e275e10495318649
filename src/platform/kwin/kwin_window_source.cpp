#include "platform/kwin/kwin_window_source.h"

#include <chrono>

#include "platform/desktop/desktop_window_source.h"
#include "platform/kwin/kwin_exchange.h"
#include "platform/kwin/kwin_windows.h"

namespace orvane {

std::unique_ptr<WindowSource> makeKWinWindowSource(ProcessNamer processName) {
  return makeDesktopWindowSource(
      [](std::chrono::steady_clock::time_point deadline) {
        return kwin::windowsOnScreen(kwin::requestWindowList(deadline));
      },
      std::move(processName));
}

}  // namespace orvane
