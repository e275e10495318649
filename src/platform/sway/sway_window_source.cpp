#include "platform/sway/sway_window_source.h"

#include <chrono>

#include "platform/desktop/desktop_window_source.h"
#include "platform/sway/sway_ipc.h"
#include "platform/sway/sway_tree.h"

namespace orvane {

namespace {

class SwayWindowSource : public WindowSource {
 public:
  SwayWindowSource(std::string socketPath, ProcessNamer processName)
      : socketPath_(std::move(socketPath)), processName_(std::move(processName)) {}

  std::vector<WindowEntry> entries() override {
    const std::string tree =
        sway::requestTree(socketPath_, std::chrono::steady_clock::now() + snapshotTimeLimit);
    std::vector<WindowEntry> entries;
    for (const WindowFacts& window : sway::windowsOnScreen(tree))
      entries.push_back(windowEntry(window, processName_));
    return entries;
  }

 private:
  std::string socketPath_;
  ProcessNamer processName_;
};

}  // namespace

std::unique_ptr<WindowSource> makeSwayWindowSource(std::string socketPath,
                                                   ProcessNamer processName) {
  return std::make_unique<SwayWindowSource>(std::move(socketPath), std::move(processName));
}

}  // namespace orvane
