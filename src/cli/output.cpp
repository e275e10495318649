#include "cli/output.h"

#include <string>
#include <type_traits>

#include "cli/json_writer.h"

namespace orvane {

namespace {

void writeValue(JsonWriter& writer, const std::vector<WindowResult>& windows) {
  writer.beginArray();
  for (const WindowResult& window : windows)
    writeJson(writer, window);
  writer.endArray();
}

template <typename Record>
void writeValue(JsonWriter& writer, const Record& record) {
  writeJson(writer, record);
}

}  // namespace

std::string encodeJson(const CommandResult& result) {
  JsonWriter writer;
  std::visit([&](const auto& value) { writeValue(writer, value); }, result);
  return writer.text();
}

void printJSON(const CommandResult& result, OutputSink& out) {
  const std::string document = encodeJson(result);
  out.write(document);
  out.write("\n");
}

void reportError(std::string_view message, OutputSink& err) noexcept {
  try {
    JsonWriter writer;
    writer.beginObject();
    writer.key("success");
    writer.writeBool(false);
    writer.key("error");
    writer.writeString(message);
    writer.endObject();
    err.write(writer.text());
    err.write("\n");
  } catch (...) {
  }
}

}  // namespace orvane
