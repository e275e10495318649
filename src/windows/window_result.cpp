#include "windows/window_result.h"

#include "cli/json_writer.h"

namespace orvane {

void writeJson(JsonWriter& writer, const WindowResult& window) {
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
