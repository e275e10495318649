#include "platform/x11/x11_text.h"

namespace orvane::x11 {

namespace {

constexpr char escape = '\x1b';
constexpr unsigned char controlSequenceIntroducer = 0x9b;
constexpr std::string_view replacementCharacter = "\xef\xbf\xbd";

void appendLatin1(std::string& out, unsigned char byte) {
  if (byte < 0x80) {
    out += static_cast<char>(byte);
  } else {
    out += static_cast<char>(0xc0 | (byte >> 6));
    out += static_cast<char>(0x80 | (byte & 0x3f));
  }
}

// Which character sets the two halves of the code table hold at a point of the text.
struct CompoundState {
  bool leftIsAscii = true;
  bool rightIsLatin1 = true;
  bool utf8 = false;
};

// Applies the escape sequence at the start of rest (after ESC) and returns its length.
std::size_t applyEscape(std::string_view rest, CompoundState& state) {
  std::size_t end = 0;
  while (end < rest.size() && rest[end] >= 0x20 && rest[end] <= 0x2f)
    ++end;
  if (end == rest.size())
    return end;
  const std::string_view intermediates = rest.substr(0, end);
  const char final = rest[end];
  if (intermediates == "%")
    state.utf8 = final == 'G';
  else if (intermediates == "(")
    state.leftIsAscii = final == 'B' || final == 'J';
  else if (intermediates == "-")
    state.rightIsLatin1 = final == 'A';
  else if (intermediates == "$(" || intermediates == "$)" || intermediates == ")")
    (intermediates[intermediates.size() - 1] == '(' ? state.leftIsAscii : state.rightIsLatin1) =
        false;
  return end + 1;
}

// Length of a control sequence after its introducer: parameters, intermediates, final byte.
std::size_t skipControlSequence(std::string_view rest) {
  std::size_t end = 0;
  while (end < rest.size() && rest[end] >= 0x20 && rest[end] <= 0x3f)
    ++end;
  return end < rest.size() ? end + 1 : end;
}

}  // namespace

std::string latin1ToUtf8(std::string_view latin1) {
  std::string out;
  out.reserve(latin1.size());
  for (const char byte : latin1)
    appendLatin1(out, static_cast<unsigned char>(byte));
  return out;
}

std::string compoundTextToUtf8(std::string_view compound) {
  std::string out;
  CompoundState state;
  for (std::size_t index = 0; index < compound.size();) {
    const auto byte = static_cast<unsigned char>(compound[index++]);
    if (byte == static_cast<unsigned char>(escape)) {
      index += applyEscape(compound.substr(index), state);
    } else if (state.utf8) {
      out += static_cast<char>(byte);
    } else if (byte == controlSequenceIntroducer) {
      index += skipControlSequence(compound.substr(index));
    } else if (byte < 0x21 || byte == 0x7f || (byte >= 0x80 && byte < 0xa0)) {
      if (byte == '\t' || byte == '\n' || byte == ' ')
        out += static_cast<char>(byte);
    } else if (byte < 0x80 ? state.leftIsAscii : state.rightIsLatin1) {
      appendLatin1(out, byte);
    } else {
      out += replacementCharacter;
    }
  }
  return out;
}

}  // namespace orvane::x11
