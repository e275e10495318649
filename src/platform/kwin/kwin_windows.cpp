#include "platform/kwin/kwin_windows.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <optional>

#include "base/tool_error.h"
#include "platform/common/json_reader.h"
#include "platform/desktop/window_level.h"

namespace orvane::kwin {

namespace {

using json::Value;

[[noreturn]] void malformed() {
  throw PlatformError(
      "window list unavailable: KWin's window script sent an answer of "
      "unexpected form");
}

std::optional<double> numberMember(const Value& node, std::string_view key) {
  const Value* member = node.member(key);
  if (member == nullptr)
    return std::nullopt;
  if (const std::int64_t* integer = member->integer())
    return static_cast<double>(*integer);
  if (const double* number = std::get_if<double>(&member->content))
    return *number;
  return std::nullopt;
}

double requiredNumber(const Value& node, std::string_view key) {
  const std::optional<double> number = numberMember(node, key);
  if (!number)
    malformed();
  return *number;
}

bool flag(const Value& node, std::string_view key) {
  const Value* member = node.member(key);
  const bool* value = member == nullptr ? nullptr : std::get_if<bool>(&member->content);
  return value != nullptr && *value;
}

const std::string* stringMember(const Value& node, std::string_view key) {
  const Value* member = node.member(key);
  return member == nullptr ? nullptr : member->string();
}

template <typename Integer>
Integer clampedRound(double value) {
  // KWin 6 keeps fractional frames under fractional scaling; the list has whole pixels.
  return static_cast<Integer>(std::clamp(std::round(value),
                                         static_cast<double>(std::numeric_limits<Integer>::min()),
                                         static_cast<double>(std::numeric_limits<Integer>::max())));
}

// FNV-1a: KWin's ids are UUIDs, and the list numbers windows with 32 bits.
std::uint32_t numberFromId(std::string_view id) {
  std::uint32_t hash = 2166136261u;
  for (const char c : id) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 16777619u;
  }
  return hash;
}

const std::map<std::string_view, WindowType, std::less<>> typesByName = {
    {"normalWindow", WindowType::normal},
    {"dialog", WindowType::dialog},
    {"desktopWindow", WindowType::desktop},
    {"dock", WindowType::dock},
    {"toolbar", WindowType::toolbar},
    {"menu", WindowType::menu},
    {"utility", WindowType::utility},
    {"splash", WindowType::splash},
    {"dropdownMenu", WindowType::dropdownMenu},
    {"popupMenu", WindowType::popupMenu},
    {"tooltip", WindowType::tooltip},
    {"notification", WindowType::notification},
    {"criticalNotification", WindowType::notification},
    // Volume and brightness feedback sits with the notifications; an applet's popup is a menu.
    {"onScreenDisplay", WindowType::notification},
    {"appletPopup", WindowType::popupMenu},
    {"comboBox", WindowType::combo},
    {"dndIcon", WindowType::dnd},
};

std::optional<WindowType> windowType(const Value& node) {
  const std::string* name = stringMember(node, "type");
  if (name == nullptr)
    return std::nullopt;
  const auto found = typesByName.find(*name);
  return found == typesByName.end() ? std::nullopt : std::optional(found->second);
}

bool onScreen(const Value& node) {
  return flag(node, "onCurrentDesktop") && !flag(node, "minimized") && !flag(node, "hidden") &&
         !flag(node, "deleted") && windowType(node) != WindowType::desktop;
}

WindowFacts windowFacts(const Value& node) {
  const std::string* id = stringMember(node, "id");
  if (id == nullptr)
    malformed();
  WindowFacts window;
  window.number = numberFromId(*id);
  window.x = clampedRound<std::int32_t>(requiredNumber(node, "x"));
  window.y = clampedRound<std::int32_t>(requiredNumber(node, "y"));
  window.width = clampedRound<std::uint32_t>(requiredNumber(node, "width"));
  window.height = clampedRound<std::uint32_t>(requiredNumber(node, "height"));
  if (const std::string* caption = stringMember(node, "caption"))
    window.name = *caption;
  if (const std::string* resourceClass = stringMember(node, "resourceClass");
      resourceClass != nullptr && !resourceClass->empty())
    window.className = *resourceClass;
  if (const std::optional<double> pid = numberMember(node, "pid");
      pid && *pid >= 1 && *pid <= std::numeric_limits<std::int32_t>::max())
    window.processId = static_cast<std::uint32_t>(*pid);
  // Popups (menus, tooltips, override-redirect X11 windows) are placed by their application.
  window.layer = windowLayer({flag(node, "popup"), windowType(node), flag(node, "keepAbove")});
  if (const std::optional<double> opacity = numberMember(node, "opacity"))
    window.alpha = std::clamp(*opacity, 0.0, 1.0);
  return window;
}

struct Stacked {
  double stackingOrder;
  WindowFacts window;
};

}  // namespace

std::vector<WindowFacts> windowsOnScreen(std::string_view answerText) {
  Value answer;
  try {
    answer = json::parse(answerText);
  } catch (const json::ParseError& error) {
    throw PlatformError(std::string("window list unavailable: KWin's window script sent ") +
                        error.what());
  }
  if (answer.object() == nullptr)
    malformed();
  if (const std::string* error = stringMember(answer, "error"))
    throw PlatformError("window list unavailable: KWin's window script failed: " + *error);
  const Value* windows = answer.member("windows");
  if (windows == nullptr || windows->array() == nullptr)
    malformed();

  std::vector<Stacked> stacked;
  for (const Value& node : *windows->array()) {
    if (node.object() == nullptr)
      malformed();
    if (onScreen(node))
      stacked.push_back({requiredNumber(node, "stackingOrder"), windowFacts(node)});
  }
  // KWin counts its stacking order from the bottom.
  std::stable_sort(stacked.begin(), stacked.end(), [](const Stacked& a, const Stacked& b) {
    return a.stackingOrder > b.stackingOrder;
  });
  std::vector<WindowFacts> facts;
  facts.reserve(stacked.size());
  for (Stacked& window : stacked)
    facts.push_back(std::move(window.window));
  return facts;
}

}  // namespace orvane::kwin
