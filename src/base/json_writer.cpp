#include "base/json_writer.h"

#include <charconv>
#include <cmath>
#include <type_traits>

#include "base/tool_error.h"

namespace orvane {

namespace {

struct Utf8Step {
  std::size_t length;  // bytes consumed
  bool valid;          // false: the bytes are one maximal invalid run, shown as one U+FFFD
};

// Reads one UTF-8 sequence at text[at]. Overlong forms, surrogates and values above U+10FFFF are
// invalid; a broken sequence consumes only the bytes that could still have begun a valid one
// (the "maximal subpart" rule), so the replacement count matches what other decoders produce.
Utf8Step readUtf8(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80)
    return {1, true};
  std::size_t expected = 0;
  unsigned char secondLow = 0x80;
  unsigned char secondHigh = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    expected = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    expected = 3;
    if (lead == 0xE0)
      secondLow = 0xA0;
    if (lead == 0xED)
      secondHigh = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    expected = 4;
    if (lead == 0xF0)
      secondLow = 0x90;
    if (lead == 0xF4)
      secondHigh = 0x8F;
  } else {
    return {1, false};
  }
  for (std::size_t i = 1; i < expected; ++i) {
    if (at + i >= text.size())
      return {i, false};
    const auto byte = static_cast<unsigned char>(text[at + i]);
    const unsigned char low = i == 1 ? secondLow : 0x80;
    const unsigned char high = i == 1 ? secondHigh : 0xBF;
    if (byte < low || byte > high)
      return {i, false};
  }
  return {expected, true};
}

void appendEscapedControl(std::string& out, unsigned char byte) {
  switch (byte) {
    case '\b':
      out += "\\b";
      return;
    case '\f':
      out += "\\f";
      return;
    case '\n':
      out += "\\n";
      return;
    case '\r':
      out += "\\r";
      return;
    case '\t':
      out += "\\t";
      return;
    default: {
      static constexpr char hex[] = "0123456789abcdef";
      out += "\\u00";
      out += hex[byte >> 4];
      out += hex[byte & 0x0F];
    }
  }
}

template <typename Number>
void appendNumber(std::string& out, Number value) {
  if constexpr (std::is_floating_point_v<Number>) {
    if (!std::isfinite(value)) {
      throw EncodingError("cannot write a non-finite number (NaN or infinity) as JSON");
    }
  }
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, end);
}

}  // namespace

void appendJSONStringBody(std::string& out, std::string_view text) {
  std::size_t at = 0;
  while (at < text.size()) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte < 0x20) {
      appendEscapedControl(out, byte);
      ++at;
    } else if (byte == '"' || byte == '\\' || byte == '/') {
      out += '\\';
      out += static_cast<char>(byte);
      ++at;
    } else {
      const Utf8Step step = readUtf8(text, at);
      if (step.valid) {
        out.append(text.substr(at, step.length));
      } else {
        out += "\xEF\xBF\xBD";
      }
      at += step.length;
    }
  }
}

void JSONWriter::beforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (!containerHasItems_.empty()) {
    if (containerHasItems_.back())
      out_ += ',';
    containerHasItems_.back() = true;
  }
}

void JSONWriter::beginObject() {
  beforeValue();
  out_ += '{';
  containerHasItems_.push_back(false);
}

void JSONWriter::endObject() {
  containerHasItems_.pop_back();
  out_ += '}';
}

void JSONWriter::beginArray() {
  beforeValue();
  out_ += '[';
  containerHasItems_.push_back(false);
}

void JSONWriter::endArray() {
  containerHasItems_.pop_back();
  out_ += ']';
}

void JSONWriter::key(std::string_view name) {
  writeString(name);
  out_ += ':';
  afterKey_ = true;
}

void JSONWriter::writeString(std::string_view text) {
  beforeValue();
  out_ += '"';
  appendJSONStringBody(out_, text);
  out_ += '"';
}

void JSONWriter::writeBool(bool value) {
  beforeValue();
  out_ += value ? "true" : "false";
}

void JSONWriter::writeUnsigned(std::uint64_t value) {
  beforeValue();
  appendNumber(out_, value);
}

void JSONWriter::writeDouble(double value) {
  beforeValue();
  appendNumber(out_, value);
}

void JSONWriter::writeFloat(float value) {
  beforeValue();
  appendNumber(out_, value);
}

}  // namespace orvane
