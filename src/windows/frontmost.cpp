#include "windows/frontmost.h"

#include "base/json_writer.h"
#include "base/tool_error.h"
#include "windows/registry_memo.h"
#include "windows/window_filters.h"
#include "windows/window_result.h"

namespace orvane {

namespace {

// The usable-window tests with a smaller minimum size: a compact window in front still says which
// application the user works in. Gives the window's record when it qualifies.
std::optional<WindowResult> qualifyingWindow(const WindowEntry& entry,
                                             ApplicationRegistry& registry) {
  if (!hasNormalLayerAndVisibleAlpha(entry))
    return std::nullopt;
  std::optional<WindowResult> window = result(entry, registry);
  if (!window)
    return std::nullopt;
  const bool bigEnough =
      window->width >= minimumFrontmostWidth && window->height >= minimumFrontmostHeight;
  if (!bigEnough || isExcludedApplication(*window))
    return std::nullopt;
  return window;
}

}  // namespace

FrontmostResult frontmostApplication(WindowSource& source, ApplicationRegistry& registry) {
  RegistryMemo memo(registry);
  for (const WindowEntry& entry : source.entries()) {
    if (const auto window = qualifyingWindow(entry, memo))
      return {window->bundleId, window->owner};
  }
  throw ToolError::windowNotFound();
}

void writeJSON(JSONWriter& writer, const FrontmostResult& frontmost) {
  writer.beginObject();
  writer.key("bundleId");
  writer.writeString(frontmost.bundleId);
  writer.key("name");
  writer.writeString(frontmost.name);
  writer.endObject();
}

}  // namespace orvane
