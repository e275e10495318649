#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// Builds one compact JSON document in memory. Strings always come out as valid UTF-8 (invalid
// byte sequences become U+FFFD) with control characters, quote, reverse solidus and solidus
// escaped; numbers use the shortest text that reads back to the same value; a non-finite number
// throws EncodingError. Nothing is written anywhere until the caller takes the finished text.
class JSONWriter {
 public:
  void beginObject();
  void endObject();
  void beginArray();
  void endArray();

  // Starts an object member; the next value written is its value.
  void key(std::string_view name);

  void writeString(std::string_view text);
  void writeBool(bool value);
  void writeUnsigned(std::uint64_t value);
  void writeDouble(double value);
  void writeFloat(float value);

  const std::string& text() const { return out_; }

 private:
  void beforeValue();

  std::string out_;
  // One flag per open container: whether it already holds a member or element.
  std::vector<bool> containerHasItems_;
  bool afterKey_ = false;
};

// Appends text to out as the body of a JSON string (without the surrounding quotes).
void appendJSONStringBody(std::string& out, std::string_view text);

}  // namespace orvane
