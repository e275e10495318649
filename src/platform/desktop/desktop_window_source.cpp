#include "platform/desktop/desktop_window_source.h"

namespace orvane {

namespace {

class DesktopWindowSource : public WindowSource {
 public:
  DesktopWindowSource(WindowWalk walk, ProcessNamer processName)
      : walk_(std::move(walk)), processName_(std::move(processName)) {}

  std::vector<WindowEntry> entries() override {
    const std::vector<WindowFacts> windows =
        walk_(std::chrono::steady_clock::now() + snapshotTimeLimit);
    std::vector<WindowEntry> entries;
    entries.reserve(windows.size());
    for (const WindowFacts& window : windows)
      entries.push_back(windowEntry(window, processName_));
    return entries;
  }

 private:
  WindowWalk walk_;
  ProcessNamer processName_;
};

}  // namespace

std::unique_ptr<WindowSource> makeDesktopWindowSource(WindowWalk walk, ProcessNamer processName) {
  return std::make_unique<DesktopWindowSource>(std::move(walk), std::move(processName));
}

}  // namespace orvane
