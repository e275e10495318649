#include "platform/sway/sway_window_source.h"

#include <chrono>

#include "platform/desktop/desktop_window_source.h"
#include "platform/sway/sway_ipc.h"
#include "platform/sway/sway_tree.h"

namespace orvane {

namespace {

class SwayWindowSource : public WindowSource {
 public:
  SwayWindowSource(std::string socketPath, ProcessNamer processName,
                   std::shared_ptr<AppIdsSeen> appIdsSeen)
      : socketPath_(std::move(socketPath)),
        processName_(std::move(processName)),
        appIdsSeen_(std::move(appIdsSeen)) {}

  std::vector<WindowEntry> entries() override {
    const std::string tree =
        sway::requestTree(socketPath_, std::chrono::steady_clock::now() + snapshotTimeLimit);
    std::vector<WindowEntry> entries;
    for (const WindowFacts& window : sway::windowsOnScreen(tree)) {
      if (window.processId && window.className)
        appIdsSeen_->try_emplace(*window.processId, *window.className);
      entries.push_back(windowEntry(window, processName_));
    }
    return entries;
  }

 private:
  std::string socketPath_;
  ProcessNamer processName_;
  std::shared_ptr<AppIdsSeen> appIdsSeen_;
};

}  // namespace

std::unique_ptr<WindowSource> makeSwayWindowSource(std::string socketPath, ProcessNamer processName,
                                                   std::shared_ptr<AppIdsSeen> appIdsSeen) {
  return std::make_unique<SwayWindowSource>(std::move(socketPath), std::move(processName),
                                            std::move(appIdsSeen));
}

}  // namespace orvane
