#include "platform/x11/x11_window_source.h"

#include "platform/linux/proc_files.h"
#include "platform/x11/x11_connection.h"
#include "platform/x11/x11_window_entry.h"
#include "platform/x11/x11_window_walk.h"

namespace orvane {

namespace {

// The whole snapshot, connecting included, gets this long; a server that takes longer is treated
// as no server at all.
constexpr std::chrono::milliseconds snapshotTimeLimit{2000};

class X11WindowSource : public WindowSource {
 public:
  std::vector<WindowEntry> entries() override {
    std::vector<x11::WindowFacts> windows;
    try {
      x11::Connection connection(x11::Clock::now() + snapshotTimeLimit);
      windows = x11::walkWindows(connection);
    } catch (const x11::ConnectionLost&) {
      return {};
    }
    const auto processName = [](std::uint32_t processId) {
      return orvane::processName("/proc", processId);
    };
    std::vector<WindowEntry> entries;
    entries.reserve(windows.size());
    for (const x11::WindowFacts& window : windows)
      entries.push_back(x11::windowEntry(window, processName));
    return entries;
  }
};

}  // namespace

std::unique_ptr<WindowSource> makeX11WindowSource() {
  return std::make_unique<X11WindowSource>();
}

}  // namespace orvane
