#include "windows/window_result.h"

#include <cmath>

#include "base/json_writer.h"

namespace orvane {

std::optional<WindowResult> result(const WindowEntry& entry, ApplicationRegistry& registry) {
  const std::string* ownerName = stringAt(entry, kCGWindowOwnerName);
  const std::string* windowName = stringAt(entry, kCGWindowName);
  const WindowNumber* ownerProcess = numberAt(entry, kCGWindowOwnerPID);
  const std::int32_t processId = ownerProcess ? intValue(*ownerProcess) : 0;
  // Asked even for process 0, before the checks below, as the window server's registry is.
  std::string bundleId = registry.bundleIdentifier(processId).value_or("");

  const WindowNumber* number = numberAt(entry, kCGWindowNumber);
  if (number == nullptr)
    return std::nullopt;
  const WindowDictionary* bounds = dictionaryAt(entry, kCGWindowBounds);
  if (bounds == nullptr)
    return std::nullopt;
  const std::optional<Rect> rect = rectFromDictionary(*bounds);
  if (!rect)
    return std::nullopt;

  return WindowResult{unsignedIntValue(*number),
                      ownerName ? *ownerName : std::string(),
                      std::move(bundleId),
                      windowName ? *windowName : std::string(),
                      rect->x,
                      rect->y,
                      std::fabs(rect->width),
                      std::fabs(rect->height)};
}

void writeJSON(JSONWriter& writer, const WindowResult& window) {
  writer.beginObject();
  writer.key("windowId");
  writer.writeUnsigned(window.windowId);
  writer.key("owner");
  writer.writeString(window.owner);
  writer.key("bundleId");
  writer.writeString(window.bundleId);
  writer.key("title");
  writer.writeString(window.title);
  writer.key("x");
  writer.writeDouble(window.x);
  writer.key("y");
  writer.writeDouble(window.y);
  writer.key("width");
  writer.writeDouble(window.width);
  writer.key("height");
  writer.writeDouble(window.height);
  writer.endObject();
}

}  // namespace orvane
