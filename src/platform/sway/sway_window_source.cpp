#include "platform/sway/sway_window_source.h"

#include <chrono>

#include "platform/linux/proc_files.h"
#include "platform/sway/sway_ipc.h"
#include "platform/sway/sway_tree.h"
#include "platform/desktop/desktop_window_source.h"

namespace orvane {

namespace {

class SwayWindowSource : public WindowSource {
 public:
  explicit SwayWindowSource(std::string socketPath) : socketPath_(std::move(socketPath)) {}

  std::vector<WindowEntry> entries() override {
    const std::string tree =
        sway::requestTree(socketPath_, std::chrono::steady_clock::now() + snapshotTimeLimit);
    const auto processName = [](std::uint32_t processId) {
      return orvane::processName("/proc", processId);
    };
    std::vector<WindowEntry> entries;
    for (const WindowFacts& window : sway::windowsOnScreen(tree))
      entries.push_back(windowEntry(window, processName));
    return entries;
  }

 private:
  std::string socketPath_;
};

}  // namespace

std::unique_ptr<WindowSource> makeSwayWindowSource(std::string socketPath) {
  return std::make_unique<SwayWindowSource>(std::move(socketPath));
}

}  // namespace orvane
