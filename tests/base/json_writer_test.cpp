#include "base/json_writer.h"

#include <gtest/gtest.h>
#include <cmath>
#include <limits>

#include "base/tool_error.h"

namespace orvane {
namespace {

std::string encodedString(std::string_view text) {
  JSONWriter writer;
  writer.writeString(text);
  return writer.text();
}

TEST(JSONWriterStrings, EscapesQuoteReverseSolidusSolidusAndControls) {
  EXPECT_EQ(encodedString("a/b\"c\\d"), R"("a\/b\"c\\d")");
  EXPECT_EQ(encodedString("line\nnext\ttab\r\b\f"), R"("line\nnext\ttab\r\b\f")");
  EXPECT_EQ(encodedString(std::string("\x01\x1f\x00", 3)), R"("\u0001\u001f\u0000")");
  EXPECT_EQ(encodedString("\x7f"), "\"\x7f\"");
}

TEST(JSONWriterStrings, KeepsValidUtf8AsIs) {
  EXPECT_EQ(encodedString("终端 — café 😀"), "\"终端 — café 😀\"");
  EXPECT_EQ(encodedString("\xF4\x8F\xBF\xBF"), "\"\xF4\x8F\xBF\xBF\"");  // U+10FFFF
}

TEST(JSONWriterStrings, ReplacesInvalidUtf8WithReplacementCharacter) {
  const std::string fffd = "\xEF\xBF\xBD";
  EXPECT_EQ(encodedString("a\xFFz"), "\"a" + fffd + "z\"");
  EXPECT_EQ(encodedString("\xC0\xAF"), "\"" + fffd + fffd + "\"");             // overlong solidus
  EXPECT_EQ(encodedString("\xED\xA0\x80"), "\"" + fffd + fffd + fffd + "\"");  // surrogate
  EXPECT_EQ(encodedString("\xF4\x90\x80\x80"), "\"" + fffd + fffd + fffd + fffd + "\"");
  // A truncated sequence is one replacement, and the byte after it is kept.
  EXPECT_EQ(encodedString("\xE4\xB8z"), "\"" + fffd + "z\"");
  EXPECT_EQ(encodedString("end\xE4\xB8"), "\"end" + fffd + "\"");
  EXPECT_EQ(encodedString("\x80\x80"), "\"" + fffd + fffd + "\"");
}

TEST(JSONWriterNumbers, ShortestRoundTripForms) {
  JSONWriter writer;
  writer.beginArray();
  writer.writeDouble(100);
  writer.writeDouble(200.5);
  writer.writeDouble(-0.25);
  writer.writeDouble(0.1);
  writer.writeDouble(static_cast<double>(0.3f));
  writer.writeFloat(0.3f);
  writer.writeUnsigned(4294967295u);
  writer.writeDouble(1e300);
  writer.endArray();
  EXPECT_EQ(writer.text(), "[100,200.5,-0.25,0.1,0.30000001192092896,0.3,4294967295,1e+300]");
}

TEST(JSONWriterNumbers, RefusesNonFiniteValues) {
  for (const double value : {std::nan(""), std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity()}) {
    JSONWriter writer;
    EXPECT_THROW(writer.writeDouble(value), EncodingError);
    EXPECT_THROW(writer.writeFloat(static_cast<float>(value)), EncodingError);
  }
}

TEST(JSONWriterStructure, CompactObjectsAndArrays) {
  JSONWriter writer;
  writer.beginObject();
  writer.key("empty");
  writer.beginArray();
  writer.endArray();
  writer.key("list");
  writer.beginArray();
  writer.beginObject();
  writer.key("ok");
  writer.writeBool(true);
  writer.endObject();
  writer.beginObject();
  writer.endObject();
  writer.endArray();
  writer.key("no");
  writer.writeBool(false);
  writer.endObject();
  EXPECT_EQ(writer.text(), R"({"empty":[],"list":[{"ok":true},{}],"no":false})");
}

}  // namespace
}  // namespace orvane
