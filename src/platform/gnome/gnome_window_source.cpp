#include "platform/gnome/gnome_window_source.h"

#include <chrono>

#include "platform/desktop/desktop_window_source.h"
#include "platform/gnome/gnome_exchange.h"
#include "platform/gnome/gnome_windows.h"

namespace orvane {

std::unique_ptr<WindowSource> makeGnomeWindowSource(ProcessNamer processName,
                                                    std::shared_ptr<AppIdsSeen> appIdsSeen) {
  return makeDesktopWindowSource(
      [appIdsSeen](std::chrono::steady_clock::time_point deadline) {
        gnome::ShellWindows shell = gnome::windowsOnScreen(gnome::requestWindowList(deadline));
        appIdsSeen->merge(shell.appIds);
        return std::move(shell.windows);
      },
      std::move(processName));
}

}  // namespace orvane
