#include "platform/gnome/gnome_windows.h"

#include <cmath>
#include <limits>
#include <optional>

#include "base/tool_error.h"
#include "platform/common/json_members.h"
#include "platform/desktop/shell_answer.h"

namespace orvane::gnome {

namespace {

using json::flagMember;
using json::numberMember;
using json::stringMember;
using json::Value;

const std::string sender = "the GNOME Shell extension";

// Meta.WindowType's names, as the extension writes them.
const WindowTypeNames typesByName = {
    {"normal", WindowType::normal},
    {"dialog", WindowType::dialog},
    {"modal_dialog", WindowType::dialog},
    {"desktop", WindowType::desktop},
    {"dock", WindowType::dock},
    {"toolbar", WindowType::toolbar},
    {"menu", WindowType::menu},
    {"utility", WindowType::utility},
    {"splashscreen", WindowType::splash},
    {"dropdown_menu", WindowType::dropdownMenu},
    {"popup_menu", WindowType::popupMenu},
    {"tooltip", WindowType::tooltip},
    {"notification", WindowType::notification},
    {"combo", WindowType::combo},
    {"dnd", WindowType::dnd},
};

std::optional<WindowType> windowType(const Value& node) {
  return namedWindowType(node, typesByName);
}

struct Screen {
  double width;
  double height;
};

WindowFacts windowFacts(const Value& node) {
  const std::optional<double> id = numberMember(node, "id");
  if (!id || *id < 0 || *id > std::numeric_limits<std::uint32_t>::max() || *id != std::floor(*id))
    malformedShellAnswer(sender);
  // Override-redirect X11 windows (menus, tooltips) are placed by their application.
  const std::int64_t layer = windowLayer(
      {flagMember(node, "overrideRedirect"), windowType(node), flagMember(node, "above")});
  return describedWindow(node, static_cast<std::uint32_t>(*id), layer, {"title", "wmClass"},
                         sender);
}

// At least partly on the screen, as on X11: GNOME Shell keeps a window of its own off it.
bool onScreen(const WindowFacts& window, const Screen& screen) {
  return window.width > 0 && window.height > 0 && window.x < screen.width &&
         window.y < screen.height && window.x + static_cast<double>(window.width) > 0 &&
         window.y + static_cast<double>(window.height) > 0;
}

bool shown(const Value& node) {
  return flagMember(node, "onActiveWorkspace") && !flagMember(node, "minimized") &&
         windowType(node) != WindowType::desktop;
}

// The app id that may name the window's launcher: the sandbox's or GTK's id, else the class,
// which is a native window's app id.
const std::string* appId(const Value& node) {
  const std::string* id = stringMember(node, "appId");
  if (id != nullptr && !id->empty())
    return id;
  id = stringMember(node, "wmClass");
  return id != nullptr && !id->empty() ? id : nullptr;
}

}  // namespace

ShellWindows windowsOnScreen(std::string_view answerText) {
  const Value answer = readShellAnswer(answerText, sender);
  const Value* screenNode = answer.member("screen");
  if (screenNode == nullptr)
    malformedShellAnswer(sender);
  const Screen screen{requiredNumber(*screenNode, "width", sender),
                      requiredNumber(*screenNode, "height", sender)};

  ShellWindows shell;
  for (const Value& node : answerWindows(answer)) {
    WindowFacts window = windowFacts(node);
    if (!shown(node) || !onScreen(window, screen))
      continue;
    if (const std::string* id = appId(node); id != nullptr && window.processId)
      shell.appIds.try_emplace(*window.processId, *id);
    shell.windows.push_back(std::move(window));
  }
  return shell;
}

}  // namespace orvane::gnome
