#include "platform/kwin/kwin_windows.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "base/tool_error.h"
#include "platform/common/json_members.h"
#include "platform/desktop/shell_answer.h"

namespace orvane::kwin {

namespace {

using json::flagMember;
using json::stringMember;
using json::Value;

const std::string sender = "KWin's window script";

// FNV-1a: KWin's ids are UUIDs, and the list numbers windows with 32 bits.
std::uint32_t numberFromId(std::string_view id) {
  std::uint32_t hash = 2166136261u;
  for (const char c : id) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 16777619u;
  }
  return hash;
}

const WindowTypeNames typesByName = {
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
  return namedWindowType(node, typesByName);
}

bool onScreen(const Value& node) {
  return flagMember(node, "onCurrentDesktop") && !flagMember(node, "minimized") &&
         !flagMember(node, "hidden") && !flagMember(node, "deleted") &&
         windowType(node) != WindowType::desktop;
}

WindowFacts windowFacts(const Value& node) {
  const std::string* id = stringMember(node, "id");
  if (id == nullptr)
    malformedShellAnswer(sender);
  // Popups (menus, tooltips, override-redirect X11 windows) are placed by their application.
  const std::int64_t layer =
      windowLayer({flagMember(node, "popup"), windowType(node), flagMember(node, "keepAbove")});
  return describedWindow(node, numberFromId(*id), layer, {"caption", "resourceClass"}, sender);
}

struct Stacked {
  double stackingOrder;
  WindowFacts window;
};

}  // namespace

std::vector<WindowFacts> windowsOnScreen(std::string_view answerText) {
  const Value answer = readShellAnswer(answerText, sender);
  std::vector<Stacked> stacked;
  for (const Value& node : answerWindows(answer)) {
    if (onScreen(node))
      stacked.push_back({requiredNumber(node, "stackingOrder", sender), windowFacts(node)});
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
