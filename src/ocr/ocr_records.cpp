#include "ocr/ocr_records.h"

#include "base/json_writer.h"

namespace orvane {

void writeJSON(JSONWriter& writer, const OCRLine& line) {
  writer.beginObject();
  writer.key("text");
  writer.writeString(line.text);
  writer.key("confidence");
  writer.writeFloat(line.confidence);
  writer.key("x");
  writer.writeDouble(line.x);
  writer.key("y");
  writer.writeDouble(line.y);
  writer.key("width");
  writer.writeDouble(line.width);
  writer.key("height");
  writer.writeDouble(line.height);
  writer.endObject();
}

void writeJSON(JSONWriter& writer, const OCRResult& result) {
  writer.beginObject();
  writer.key("success");
  writer.writeBool(result.success);
  writer.key("lines");
  writer.beginArray();
  for (const OCRLine& line : result.lines)
    writeJSON(writer, line);
  writer.endArray();
  writer.key("text");
  writer.writeString(result.text);
  writer.key("averageConfidence");
  writer.writeDouble(result.averageConfidence);
  writer.endObject();
}

}  // namespace orvane
