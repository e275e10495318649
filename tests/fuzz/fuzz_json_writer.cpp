// Any strings and numbers: the writer's text is one valid JSON document in valid UTF-8, or the
// writer refused a non-finite number.
#include <cmath>
#include <cstdlib>

#include "base/json_writer.h"
#include "base/tool_error.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/json_check.h"

namespace {

void writeAnyValue(orvane::testing::FuzzInput& input, orvane::JSONWriter& writer, int depth) {
  switch (depth > 8 ? input.inRange(0, 3) : input.inRange(0, 5)) {
    case 0:
      writer.writeString(input.string(256));
      break;
    case 1:
      writer.writeDouble(input.anyDouble());
      break;
    case 2:
      writer.writeFloat(input.anyFloat());
      break;
    case 3:
      writer.writeUnsigned(input.integral<std::uint32_t>());
      break;
    case 4: {
      writer.beginArray();
      const int count = input.inRange(0, 4);
      for (int i = 0; i < count; ++i)
        writeAnyValue(input, writer, depth + 1);
      writer.endArray();
      break;
    }
    default: {
      writer.beginObject();
      const int count = input.inRange(0, 4);
      for (int i = 0; i < count; ++i) {
        writer.key(input.string(32));
        writeAnyValue(input, writer, depth + 1);
      }
      writer.endObject();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orvane::testing::FuzzInput input(data, size);
  orvane::JSONWriter writer;
  try {
    writeAnyValue(input, writer, 0);
  } catch (const orvane::EncodingError&) {
    return 0;
  }
  if (!orvane::testing::isValidJSONDocument(writer.text()))
    std::abort();
  return 0;
}
