#include "platform/sway/sway_tree.h"

#include <algorithm>
#include <limits>

#include "base/tool_error.h"
#include "platform/common/json_reader.h"

namespace orvane::sway {

namespace {

using json::Value;

[[noreturn]] void malformed() {
  throw PlatformError("window list unavailable: sway sent a window tree of unexpected form");
}

const json::Array& arrayMember(const Value& node, std::string_view key) {
  static const json::Array none;
  const Value* member = node.member(key);
  if (member == nullptr)
    return none;
  if (member->array() == nullptr)
    malformed();
  return *member->array();
}

std::int64_t integerMember(const Value& node, std::string_view key) {
  const Value* member = node.member(key);
  if (member == nullptr || member->integer() == nullptr)
    malformed();
  return *member->integer();
}

const std::string* stringMember(const Value& node, std::string_view key) {
  const Value* member = node.member(key);
  return member == nullptr ? nullptr : member->string();
}

std::int64_t fullscreenMode(const Value& node) {
  const Value* member = node.member("fullscreen_mode");
  return member != nullptr && member->integer() != nullptr ? *member->integer() : 0;
}

struct Box {
  std::int64_t x, y, width, height;
};

Box boxMember(const Value& node, std::string_view key) {
  const Value* box = node.member(key);
  if (box == nullptr || box->object() == nullptr)
    malformed();
  return {integerMember(*box, "x"), integerMember(*box, "y"), integerMember(*box, "width"),
          integerMember(*box, "height")};
}

// The children of node in a list, most recently focused first; those the focus list does not
// name keep their order after the others.
std::vector<const Value*> byFocus(const Value& node, const json::Array& children) {
  const json::Array& focus = arrayMember(node, "focus");
  std::vector<const Value*> ordered;
  for (const Value& child : children) {
    if (child.object() == nullptr)
      malformed();
    ordered.push_back(&child);
  }
  const auto rank = [&](const Value* child) {
    const std::int64_t id = integerMember(*child, "id");
    const auto found = std::find_if(focus.begin(), focus.end(), [&](const Value& focused) {
      return focused.integer() != nullptr && *focused.integer() == id;
    });
    return found - focus.begin();
  };
  std::stable_sort(ordered.begin(), ordered.end(),
                   [&](const Value* a, const Value* b) { return rank(a) < rank(b); });
  return ordered;
}

std::int32_t clampToInt32(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::uint32_t clampToSize(std::int64_t value) {
  return static_cast<std::uint32_t>(
      std::clamp<std::int64_t>(value, 0, std::numeric_limits<std::uint32_t>::max()));
}

WindowFacts windowFacts(const Value& node) {
  const Box content = boxMember(node, "rect");
  const Box titleBar = boxMember(node, "deco_rect");
  WindowFacts window;
  window.number = static_cast<std::uint32_t>(integerMember(node, "id"));
  // The rect leaves the title bar out; it sits right above.
  window.x = clampToInt32(content.x);
  window.y = clampToInt32(content.y - titleBar.height);
  window.width = clampToSize(content.width);
  window.height = clampToSize(content.height + titleBar.height);
  if (const std::string* name = stringMember(node, "name"))
    window.name = *name;
  if (const std::string* appId = stringMember(node, "app_id"))
    window.className = *appId;
  else if (const Value* properties = node.member("window_properties"))
    if (const std::string* className = stringMember(*properties, "class"))
      window.className = *className;
  if (const Value* pid = node.member("pid");
      pid != nullptr && pid->integer() != nullptr && *pid->integer() > 0 &&
      *pid->integer() <= std::numeric_limits<std::int32_t>::max())
    window.processId = static_cast<std::uint32_t>(*pid->integer());
  return window;
}

struct Layers {
  std::vector<WindowFacts> fullscreen;
  std::vector<WindowFacts> floating;
  std::vector<WindowFacts> tiled;
};

// A window is a container without children; a tabbed or stacked container shows only its
// selected child.
void collect(const Value& node, std::vector<WindowFacts>& layer,
             std::vector<WindowFacts>& fullscreen) {
  std::vector<WindowFacts>& into = fullscreenMode(node) != 0 ? fullscreen : layer;
  const json::Array& children = arrayMember(node, "nodes");
  const json::Array& floating = arrayMember(node, "floating_nodes");
  if (children.empty() && floating.empty()) {
    into.push_back(windowFacts(node));
    return;
  }
  const std::string* layout = stringMember(node, "layout");
  const bool oneShown = layout != nullptr && (*layout == "tabbed" || *layout == "stacked");
  for (const Value* child : byFocus(node, children)) {
    collect(*child, into, fullscreen);
    if (oneShown)
      break;
  }
}

void collectWorkspace(const Value& workspace, Layers& layers) {
  for (const Value* child : byFocus(workspace, arrayMember(workspace, "floating_nodes")))
    collect(*child, layers.floating, layers.fullscreen);
  for (const Value* child : byFocus(workspace, arrayMember(workspace, "nodes")))
    collect(*child, layers.tiled, layers.fullscreen);
}

// The scratchpad lives on an output of this name that no screen shows.
constexpr std::string_view hiddenOutputName = "__i3";

}  // namespace

std::vector<WindowFacts> windowsOnScreen(std::string_view treeText) {
  Value tree;
  try {
    tree = json::parse(treeText);
  } catch (const json::ParseError& error) {
    throw PlatformError(std::string("window list unavailable: sway sent ") + error.what());
  }
  if (tree.object() == nullptr)
    malformed();
  std::vector<WindowFacts> windows;
  for (const Value* output : byFocus(tree, arrayMember(tree, "nodes"))) {
    const std::string* name = stringMember(*output, "name");
    const std::string* shown = stringMember(*output, "current_workspace");
    if (name == nullptr || *name == hiddenOutputName || shown == nullptr)
      continue;
    Layers layers;
    for (const Value& workspace : arrayMember(*output, "nodes")) {
      const std::string* workspaceName = stringMember(workspace, "name");
      if (workspaceName != nullptr && *workspaceName == *shown)
        collectWorkspace(workspace, layers);
    }
    for (auto* layer : {&layers.fullscreen, &layers.floating, &layers.tiled})
      windows.insert(windows.end(), layer->begin(), layer->end());
  }
  return windows;
}

}  // namespace orvane::sway
