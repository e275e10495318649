#include "platform/desktop/shell_answer.h"

#include <algorithm>
#include <limits>

#include "base/tool_error.h"
#include "platform/common/json_members.h"

namespace orvane {

void malformedShellAnswer(const std::string& sender) {
  throw PlatformError("window list unavailable: " + sender + " sent an answer of unexpected form");
}

json::Value readShellAnswer(std::string_view text, const std::string& sender) {
  json::Value answer;
  try {
    answer = json::parse(text);
  } catch (const json::ParseError& error) {
    throw PlatformError("window list unavailable: " + sender + " sent " + error.what());
  }
  if (answer.object() == nullptr)
    malformedShellAnswer(sender);
  if (const std::string* error = json::stringMember(answer, "error"))
    throw PlatformError("window list unavailable: " + sender + " failed: " + *error);
  const json::Value* windows = answer.member("windows");
  if (windows == nullptr || windows->array() == nullptr)
    malformedShellAnswer(sender);
  for (const json::Value& window : *windows->array())
    if (window.object() == nullptr)
      malformedShellAnswer(sender);
  return answer;
}

const json::Array& answerWindows(const json::Value& answer) {
  return *answer.member("windows")->array();
}

double requiredNumber(const json::Value& node, std::string_view key, const std::string& sender) {
  const std::optional<double> number = json::numberMember(node, key);
  if (!number)
    malformedShellAnswer(sender);
  return *number;
}

WindowFacts describedWindow(const json::Value& node, std::uint32_t number, std::int64_t layer,
                            const DescriptionKeys& keys, const std::string& sender) {
  using json::clampedRound;
  WindowFacts window;
  window.number = number;
  // KWin 6 keeps fractional frames under fractional scaling; the list has whole pixels.
  window.x = clampedRound<std::int32_t>(requiredNumber(node, "x", sender));
  window.y = clampedRound<std::int32_t>(requiredNumber(node, "y", sender));
  window.width = clampedRound<std::uint32_t>(requiredNumber(node, "width", sender));
  window.height = clampedRound<std::uint32_t>(requiredNumber(node, "height", sender));
  if (const std::string* title = json::stringMember(node, keys.title))
    window.name = *title;
  if (const std::string* className = json::stringMember(node, keys.className);
      className != nullptr && !className->empty())
    window.className = *className;
  if (const std::optional<double> pid = json::numberMember(node, "pid");
      pid && *pid >= 1 && *pid <= std::numeric_limits<std::int32_t>::max())
    window.processId = static_cast<std::uint32_t>(*pid);
  window.layer = layer;
  if (const std::optional<double> opacity = json::numberMember(node, "opacity"))
    window.alpha = std::clamp(*opacity, 0.0, 1.0);
  return window;
}

std::optional<WindowType> namedWindowType(const json::Value& node, const WindowTypeNames& names) {
  const std::string* name = json::stringMember(node, "type");
  if (name == nullptr)
    return std::nullopt;
  const auto found = names.find(*name);
  return found == names.end() ? std::nullopt : std::optional(found->second);
}

}  // namespace orvane
