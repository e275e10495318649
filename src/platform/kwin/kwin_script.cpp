#include "platform/kwin/kwin_script.h"

#include <algorithm>

#include "base/tool_error.h"

namespace orvane::kwin {

namespace {

// Facts only; which windows count, their order and their levels are decided by the tool. KWin 5
// names its list clientList and numbers desktops; KWin 6 names it windowList and gives desktop
// objects.
constexpr const char* scriptBody = R"js(
(function () {
  var typeNames = ["desktopWindow", "dock", "toolbar", "menu", "utility", "splash",
                   "dropdownMenu", "popupMenu", "tooltip", "notification", "criticalNotification",
                   "onScreenDisplay", "appletPopup", "comboBox", "dndIcon", "dialog"];
  function typeOf(w) {
    for (var i = 0; i < typeNames.length; ++i)
      if (w[typeNames[i]])
        return typeNames[i];
    return "normalWindow";
  }
  function onCurrentDesktop(w) {
    if (w.onAllDesktops)
      return true;
    var current = workspace.currentDesktop;
    if (typeof current === "number")
      return w.desktop === current || w.desktop === -1;
    var desktops = w.desktops || [];
    for (var i = 0; i < desktops.length; ++i)
      if (desktops[i] === current || desktops[i].id === current.id)
        return true;
    return desktops.length === 0;
  }
  function onCurrentActivity(w) {
    var activities = w.activities || [];
    return activities.length === 0 || activities.indexOf(workspace.currentActivity) >= 0;
  }
  function describe(w) {
    var frame = w.frameGeometry;
    return {
      id: String(w.internalId), stackingOrder: w.stackingOrder,
      x: frame.x, y: frame.y, width: frame.width, height: frame.height,
      caption: String(w.caption), resourceClass: String(w.resourceClass), pid: w.pid,
      type: typeOf(w), popup: !!w.popupWindow, keepAbove: !!w.keepAbove, opacity: w.opacity,
      minimized: !!w.minimized, hidden: !!w.hidden, deleted: !!w.deleted,
      onCurrentDesktop: onCurrentDesktop(w) && onCurrentActivity(w)
    };
  }
  var answer;
  try {
    var all = workspace.windowList ? workspace.windowList() : workspace.clientList();
    var windows = [];
    for (var i = 0; i < all.length; ++i)
      windows.push(describe(all[i]));
    answer = {windows: windows};
  } catch (error) {
    answer = {error: String(error)};
  }
  callDBus(replyTo, answerPath, answerInterface, answerMember, JSON.stringify(answer));
})();
)js";

std::string quoted(const std::string& text) {
  return '"' + text + '"';
}

// Bus names and the constants here hold only these characters, so they need no escaping.
bool isPlainName(const std::string& name) {
  return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ':' ||
           c == '.' || c == '_' || c == '-' || c == '/';
  });
}

}  // namespace

std::string windowListScript(const std::string& replyTo) {
  if (!isPlainName(replyTo))
    throw PlatformError("window list unavailable: the session bus named this connection oddly");
  return "var replyTo = " + quoted(replyTo) + ", answerPath = " + quoted(answerPath) +
         ", answerInterface = " + quoted(answerInterface) +
         ", answerMember = " + quoted(answerMember) + ";\n" + scriptBody;
}

}  // namespace orvane::kwin
