#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/common/json_reader.h"
#include "platform/desktop/window_facts.h"
#include "platform/desktop/window_level.h"

namespace orvane {

// The window list that code of the tool's own running inside a desktop shell (a KWin script, a
// GNOME Shell extension) sends back: a JSON object whose "windows" is an array of objects, or
// whose "error" is that code's failure. sender names the code in messages.
//
// The answer's object. Throws PlatformError ("window list unavailable: SENDER ...") when the text
// is not JSON, not shaped so, or reports a failure, so that no partial list is ever given.
json::Value readShellAnswer(std::string_view text, const std::string& sender);
// The answer's windows, once readShellAnswer has accepted it.
const json::Array& answerWindows(const json::Value& answer);

// The failure of an answer that has not the expected form.
[[noreturn]] void malformedShellAnswer(const std::string& sender);
// A member that must be a number, or the answer is malformed.
double requiredNumber(const json::Value& node, std::string_view key, const std::string& sender);

// The members in which a shell's code gives a window's title and its class (or app id); both
// describe its frame as "x", "y", "width", "height", its process as "pid" and "opacity".
struct DescriptionKeys {
  std::string_view title;
  std::string_view className;
};
// The window that node describes, with the number and layer the shell's rules give it. Frames
// are rounded to whole pixels and held within their types; a missing frame member makes the
// answer malformed, any other member missing or of another type counts as absent.
WindowFacts describedWindow(const json::Value& node, std::uint32_t number, std::int64_t layer,
                            const DescriptionKeys& keys, const std::string& sender);

// A shell's own names for the kinds of window.
using WindowTypeNames = std::map<std::string_view, WindowType, std::less<>>;
// The kind that the window's "type" names; nothing for a name not known here.
std::optional<WindowType> namedWindowType(const json::Value& node, const WindowTypeNames& names);

}  // namespace orvane
