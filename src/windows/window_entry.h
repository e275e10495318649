#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace orvane {

// A number as the window system hands it over: it remembers whether it holds an integer or a
// floating value, because the accessors below convert the two differently.
struct WindowNumber {
  bool isInteger;
  std::int64_t integer;  // meaningful when isInteger
  double floating;       // meaningful when !isInteger

  static WindowNumber ofInteger(std::int64_t value) { return {true, value, 0.0}; }
  static WindowNumber ofFloating(double value) { return {false, 0, value}; }
};

struct WindowValue;
using WindowDictionary = std::map<std::string, WindowValue, std::less<>>;

// One dynamic value of a window-list entry: a number, a string or a dictionary.
struct WindowValue {
  std::variant<WindowNumber, std::string, WindowDictionary> content;
};

// One window as the window system describes it, keyed by the names below. A value of another
// type than the one a key calls for counts as absent.
using WindowEntry = WindowDictionary;

inline constexpr std::string_view kCGWindowNumber = "kCGWindowNumber";        // number
inline constexpr std::string_view kCGWindowOwnerName = "kCGWindowOwnerName";  // string
inline constexpr std::string_view kCGWindowOwnerPID = "kCGWindowOwnerPID";    // number
inline constexpr std::string_view kCGWindowName = "kCGWindowName";            // string
inline constexpr std::string_view kCGWindowBounds = "kCGWindowBounds";        // dictionary
inline constexpr std::string_view kCGWindowLayer = "kCGWindowLayer";          // number
inline constexpr std::string_view kCGWindowAlpha = "kCGWindowAlpha";          // number

// Keys of the bounds dictionary, each holding a number.
inline constexpr std::string_view boundsKeyX = "X";
inline constexpr std::string_view boundsKeyY = "Y";
inline constexpr std::string_view boundsKeyWidth = "Width";
inline constexpr std::string_view boundsKeyHeight = "Height";

// Typed look-ups: the value under key when it has the asked type, else nullptr.
const WindowNumber* numberAt(const WindowDictionary& entry, std::string_view key);
const std::string* stringAt(const WindowDictionary& entry, std::string_view key);
const WindowDictionary* dictionaryAt(const WindowDictionary& entry, std::string_view key);

// Conversions with the truncation and wrap-around of the platform's number class: a floating
// value is truncated toward zero (NaN gives 0, out-of-range values saturate at the 64-bit
// limits), then an integer is cut to the asked width by keeping its low bits.
std::uint32_t unsignedIntValue(const WindowNumber& number);
std::int32_t intValue(const WindowNumber& number);
std::int64_t integerValue(const WindowNumber& number);
double doubleValue(const WindowNumber& number);

struct Rect {
  double x;
  double y;
  double width;
  double height;
};

// The rectangle-from-dictionary conversion: "X", "Y", "Width" and "Height" must all be numbers,
// read as doubles; otherwise the conversion fails. The size is kept as stored (possibly negative).
std::optional<Rect> rectFromDictionary(const WindowDictionary& bounds);

// Builders for platform code and tests.
WindowValue numberValue(std::int64_t value);
WindowValue floatingValue(double value);
WindowValue stringValue(std::string value);
WindowValue boundsValue(double x, double y, double width, double height);

}  // namespace orvane
