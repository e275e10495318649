#include "cli/output.h"

#include <string>
#include <type_traits>

#include "base/json_writer.h"

namespace orvane {

namespace {

void writeValue(JSONWriter& writer, const std::vector<WindowResult>& windows) {
  writer.beginArray();
  for (const WindowResult& window : windows)
    writeJSON(writer, window);
  writer.endArray();
}

template <typename Record>
void writeValue(JSONWriter& writer, const Record& record) {
  writeJSON(writer, record);
}

}  // namespace

std::string encodeJSON(const CommandResult& result) {
  JSONWriter writer;
  std::visit([&](const auto& value) { writeValue(writer, value); }, result);
  return writer.text();
}

void printJSON(const CommandResult& result, OutputSink& out) {
  out.write(encodeJSON(result) + "\n");
}

void reportError(std::string_view message, OutputSink& err) noexcept {
  try {
    JSONWriter writer;
    writer.beginObject();
    writer.key("success");
    writer.writeBool(false);
    writer.key("error");
    writer.writeString(message);
    writer.endObject();
    err.write(writer.text() + "\n");
  } catch (...) {
  }
}

}  // namespace orvane
