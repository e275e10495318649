#include "platform/sway/sway_tree.h"

#include <gtest/gtest.h>

#include <string>

#include "base/tool_error.h"

namespace orvane::sway {
namespace {

// Trimmed from a real sway 1.7 GET_TREE answer: three tiled windows (the first an xterm through
// XWayland), a floating one, one on hidden workspace 2 and one in the scratchpad.
constexpr std::string_view recordedTree = R"({"id":1,"type":"root","focus":[3],"nodes":[
 {"id":2147483647,"type":"output","name":"__i3","focus":[2147483646],"nodes":[
  {"id":2147483646,"type":"workspace","name":"__i3_scratch","focus":[16],"nodes":[],
   "floating_nodes":[{"id":16,"type":"floating_con","name":"Scratch","app_id":"scratch",
    "pid":12912,"fullscreen_mode":0,"rect":{"x":318,"y":85,"width":644,"height":629},
    "deco_rect":{"x":0,"y":0,"width":0,"height":0},"nodes":[],"floating_nodes":[],"focus":[]}]}]},
 {"id":3,"type":"output","name":"HEADLESS-1","current_workspace":"1","focus":[4,14],"nodes":[
  {"id":4,"type":"workspace","name":"1","layout":"splith","focus":[11,13,12,5],"nodes":[
   {"id":5,"type":"con","name":"X term","app_id":null,"shell":"xwayland","pid":11660,
    "window_properties":{"class":"XTerm","instance":"xterm","title":"X term"},
    "fullscreen_mode":0,"rect":{"x":0,"y":27,"width":427,"height":773},
    "deco_rect":{"x":0,"y":0,"width":427,"height":27},"nodes":[],"floating_nodes":[],"focus":[]},
   {"id":11,"type":"con","name":"Tiled one","app_id":"tiled.one","pid":12795,"fullscreen_mode":0,
    "rect":{"x":427,"y":27,"width":427,"height":773},
    "deco_rect":{"x":427,"y":0,"width":427,"height":27},"nodes":[],"floating_nodes":[],"focus":[]},
   {"id":12,"type":"con","name":"Tiled two","app_id":"tiled.two","pid":12820,"fullscreen_mode":0,
    "rect":{"x":854,"y":27,"width":426,"height":773},
    "deco_rect":{"x":854,"y":0,"width":426,"height":27},"nodes":[],"floating_nodes":[],"focus":[]}],
   "floating_nodes":[
   {"id":13,"type":"floating_con","name":"Floaty","app_id":"floaty","pid":12849,
    "fullscreen_mode":0,"rect":{"x":100,"y":127,"width":704,"height":502},
    "deco_rect":{"x":100,"y":100,"width":704,"height":27},"nodes":[],"floating_nodes":[],
    "focus":[]}]},
  {"id":14,"type":"workspace","name":"2","focus":[15],"floating_nodes":[],"nodes":[
   {"id":15,"type":"con","name":"Hidden","app_id":"hidden.one","pid":12885,"fullscreen_mode":0,
    "rect":{"x":0,"y":27,"width":1280,"height":773},
    "deco_rect":{"x":0,"y":0,"width":1280,"height":27},"nodes":[],"floating_nodes":[],
    "focus":[]}]}]}]})";

std::vector<std::uint32_t> ids(const std::vector<WindowFacts>& windows) {
  std::vector<std::uint32_t> numbers;
  for (const WindowFacts& window : windows)
    numbers.push_back(window.number);
  return numbers;
}

std::string replaced(std::string text, std::string_view from, std::string_view to) {
  text.replace(text.find(from), from.size(), to);
  return text;
}

TEST(SwayTree, VisibleWorkspaceFloatingFirstThenTiledByFocus) {
  const auto windows = windowsOnScreen(recordedTree);
  EXPECT_EQ(ids(windows), (std::vector<std::uint32_t>{13, 11, 12, 5}));
  const WindowFacts& floating = windows[0];
  EXPECT_EQ(floating.x, 100);
  EXPECT_EQ(floating.y, 100);  // the title bar is part of the frame
  EXPECT_EQ(floating.width, 704u);
  EXPECT_EQ(floating.height, 529u);
  EXPECT_EQ(floating.className, "floaty");
  EXPECT_EQ(floating.name, "Floaty");
  EXPECT_EQ(floating.processId, 12849u);
  EXPECT_EQ(windows[3].className, "XTerm");
  EXPECT_EQ(windows[3].y, 0);
}

TEST(SwayTree, FullscreenComesFirstAndTabsShowOnlyTheSelectedChild) {
  std::string tree =
      replaced(std::string(recordedTree),
               R"("name":"Tiled two","app_id":"tiled.two","pid":12820,"fullscreen_mode":0)",
               R"("name":"Tiled two","app_id":"tiled.two","pid":12820,"fullscreen_mode":1)");
  EXPECT_EQ(ids(windowsOnScreen(tree)), (std::vector<std::uint32_t>{12, 13, 11, 5}));
  const auto leaf = [](int id) {
    return R"({"id":)" + std::to_string(id) +
           R"(,"rect":{"x":0,"y":0,"width":9,"height":9},)"
           R"("deco_rect":{"x":0,"y":0,"width":0,"height":0}})";
  };
  tree = R"({"id":1,"nodes":[{"id":3,"name":"O","current_workspace":"w","nodes":[)"
         R"({"id":4,"name":"w","focus":[20,6],"nodes":[{"id":20,"layout":"tabbed",)"
         R"("focus":[22,21],"nodes":[)" +
         leaf(21) + "," + leaf(22) + "]}," + leaf(6) + "]}]}]}";
  EXPECT_EQ(ids(windowsOnScreen(tree)), (std::vector<std::uint32_t>{22, 6}));
}

TEST(SwayTree, HostileAnswersAreRefusedNotListedInPart) {
  const std::string full(recordedTree);
  for (const std::string& bad :
       {full.substr(0, full.size() / 2), std::string("[]"), std::string("not json"),
        replaced(full, R"("focus":[11,13,12,5],"nodes":[)",
                 R"("focus":[11,13,12,5],"nodes":7,"x":[)"),
        replaced(full, R"("rect":{"x":427,"y":27)", R"("rect":{"x":"427","y":27)"),
        replaced(full, R"({"id":11,)", R"({"id":null,)"), std::string(5000, '[')}) {
    try {
      windowsOnScreen(bad);
      ADD_FAILURE() << "accepted: " << bad.substr(0, 80);
    } catch (const PlatformError& error) {
      EXPECT_EQ(std::string(error.what()).rfind("window list unavailable: sway sent ", 0), 0u)
          << error.what();
    }
  }
}

}  // namespace
}  // namespace orvane::sway
