#include "windows/frontmost.h"

#include "cli/json_writer.h"
#include "cli/tool_error.h"

namespace orvane {

FrontmostResult frontmostApplication(WindowSource&, ApplicationRegistry&) {
  throw PlatformError("frontmost is not available yet");
}

void writeJson(JsonWriter& writer, const FrontmostResult& frontmost) {
  writer.beginObject();
  writer.key("bundleId");
  writer.writeString(frontmost.bundleId);
  writer.key("name");
  writer.writeString(frontmost.name);
  writer.endObject();
}

}  // namespace orvane
