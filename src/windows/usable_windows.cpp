#include "windows/usable_windows.h"

#include "windows/registry_memo.h"
#include "windows/window_filters.h"

namespace orvane {

namespace {

bool hasUsableSize(const WindowResult& window) {
  return window.width >= minimumUsableWidth && window.height >= minimumUsableHeight;
}

}  // namespace

std::optional<WindowResult> usableResult(const WindowEntry& entry, ApplicationRegistry& registry) {
  if (!hasNormalLayerAndVisibleAlpha(entry))
    return std::nullopt;
  std::optional<WindowResult> window = result(entry, registry);
  if (!window || !hasUsableSize(*window) || isExcludedApplication(*window))
    return std::nullopt;
  return window;
}

bool isUsable(const WindowEntry& entry, ApplicationRegistry& registry) {
  return usableResult(entry, registry).has_value();
}

std::vector<WindowResult> usableWindows(WindowSource& source, ApplicationRegistry& registry) {
  RegistryMemo memo(registry);
  std::vector<WindowResult> windows;
  for (const WindowEntry& entry : source.entries()) {
    if (auto window = usableResult(entry, memo))
      windows.push_back(std::move(*window));
  }
  return windows;
}

std::vector<WindowResult> allWindows(WindowSource& source, ApplicationRegistry& registry) {
  RegistryMemo memo(registry);
  std::vector<WindowResult> windows;
  for (const WindowEntry& entry : source.entries()) {
    if (auto window = result(entry, memo))
      windows.push_back(std::move(*window));
  }
  return windows;
}

}  // namespace orvane
