#include "platform/gnome/gnome_windows.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "base/tool_error.h"

namespace orvane::gnome {
namespace {

// The extension's answer under GNOME Shell 43.9 (the shell's own X11 window kept off the screen,
// an xterm through XWayland, a weston-terminal, foot), with the windows that must be left out
// added among them.
constexpr std::string_view recordedAnswer = R"({"screen":{"width":1280,"height":800},"windows":[
 {"id":1,"x":-200,"y":-200,"width":1,"height":1,"title":"gnome-shell","wmClass":"Gnome-shell",
  "appId":"","pid":24013,"type":"override_other","overrideRedirect":true,"above":false,
  "minimized":false,"onActiveWorkspace":true,"opacity":1},
 {"id":4,"x":750,"y":82,"width":484,"height":353,"title":"XTerm one","wmClass":"XTerm",
  "appId":"","pid":25332,"type":"normal","overrideRedirect":false,"above":false,
  "minimized":false,"onActiveWorkspace":true,"opacity":1},
 {"id":7,"x":0,"y":0,"width":500,"height":400,"title":"Min","wmClass":"m","pid":9,
  "type":"normal","minimized":true,"onActiveWorkspace":true},
 {"id":3,"x":0,"y":32,"width":742,"height":517,"title":"Wayland Terminal",
  "wmClass":"org.freedesktop.weston.wayland-terminal","appId":"","pid":24877,"type":"normal",
  "overrideRedirect":false,"above":false,"minimized":false,"onActiveWorkspace":true,
  "opacity":0.5},
 {"id":8,"x":0,"y":0,"width":500,"height":400,"title":"Away","wmClass":"a","pid":9,
  "type":"normal","onActiveWorkspace":false},
 {"id":2,"x":50,"y":82,"width":700,"height":500,"title":"foot","wmClass":"foot",
  "appId":"org.codeberg.dnkl.foot","pid":24878,"type":"normal","overrideRedirect":false,
  "above":false,"minimized":false,"onActiveWorkspace":true,"opacity":1},
 {"id":9,"x":0,"y":0,"width":1280,"height":800,"title":"Desktop","wmClass":"d","pid":9,
  "type":"desktop","onActiveWorkspace":true}]})";

std::vector<std::string> names(const std::vector<WindowFacts>& windows) {
  std::vector<std::string> titles;
  for (const WindowFacts& window : windows)
    titles.push_back(window.name.value_or("(none)"));
  return titles;
}

// One window of the given kind, shown.
std::string oneWindow(std::string_view members) {
  return R"({"screen":{"width":1280,"height":800},"windows":[{"id":5,"x":0,"y":0,"width":500,)"
         R"("height":400,"onActiveWorkspace":true,)" +
         std::string(members) + "}]}";
}

TEST(GnomeWindows, ShownWindowsInTheShellsOrder) {
  const ShellWindows shell = windowsOnScreen(recordedAnswer);
  ASSERT_EQ(names(shell.windows),
            (std::vector<std::string>{"XTerm one", "Wayland Terminal", "foot"}));
  const WindowFacts& xterm = shell.windows[0];
  EXPECT_EQ(xterm.number, 4u);
  EXPECT_EQ(xterm.className, "XTerm");
  EXPECT_EQ(xterm.processId, 25332u);
  EXPECT_EQ(xterm.layer, 0);
  EXPECT_EQ((std::vector<std::int64_t>{xterm.x, xterm.y, xterm.width, xterm.height}),
            (std::vector<std::int64_t>{750, 82, 484, 353}));
  EXPECT_EQ(shell.windows[1].alpha, 0.5);
  // The launcher rule's app id: the sandbox's or GTK's id before the class; only shown windows.
  EXPECT_EQ(shell.appIds, (AppIdsSeen{{25332, "XTerm"},
                                      {24877, "org.freedesktop.weston.wayland-terminal"},
                                      {24878, "org.codeberg.dnkl.foot"}}));
}

TEST(GnomeWindows, KindsMapToTheLevelsOfX11) {
  const auto level = [](std::string_view members) {
    return windowsOnScreen(oneWindow(members)).windows.at(0).layer;
  };
  EXPECT_EQ(level(R"("type":"modal_dialog")"), 0);
  EXPECT_EQ(level(R"("type":"normal","above":true)"), 3);
  EXPECT_EQ(level(R"("type":"dock")"), 20);
  EXPECT_EQ(level(R"("type":"notification")"), 25);
  EXPECT_EQ(level(R"("type":"popup_menu")"), 101);
  EXPECT_EQ(level(R"("type":"override_other","overrideRedirect":true)"), 101);
  EXPECT_EQ(level(R"("type":"tooltip","overrideRedirect":true)"), 200);
  EXPECT_EQ(level(R"("type":"somethingNew")"), 0);
}

TEST(GnomeWindows, ExtremeValuesAreClampedNotWrapped) {
  const WindowFacts window =
      windowsOnScreen(oneWindow(R"("x":-1e30,"width":1e30,"pid":4294967297,"opacity":-3)"))
          .windows.at(0);
  EXPECT_EQ(window.x, std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(window.width, std::numeric_limits<std::uint32_t>::max());
  EXPECT_EQ(window.processId, std::nullopt);
  EXPECT_EQ(window.alpha, 0.0);
  EXPECT_TRUE(windowsOnScreen(oneWindow(R"("height":-5)")).windows.empty());  // nothing to see
}

TEST(GnomeWindows, AnythingButAWholeAnswerFailsRatherThanGivePartOfIt) {
  const std::string whole(recordedAnswer);
  for (const std::string& answer : std::vector<std::string>{
           whole.substr(0, whole.size() / 2),                                  // cut short
           std::string("[]"),                                                  // not an object
           std::string(R"({"windows":[]})"),                                   // no screen
           std::string(R"({"screen":{"width":1,"height":1},"windows":{}})"),   // not a list
           std::string(R"({"screen":{"width":1,"height":1},"windows":[1]})"),  // not a window
           oneWindow(R"("y":"12")"),                                           // a number as text
           oneWindow(R"("id":-1)"),                                            // ids are unsigned
           oneWindow(R"("id":4294967296)"),                                    // and 32 bits
           oneWindow(R"("id":1.5)"),                                           // and whole
           // A window left out must still be a window: the answer is wrong, not the window.
           oneWindow(R"("minimized":true,"width":null)"),
           std::string(600, '[') + std::string(600, ']'),  // nested too deep
       }) {
    try {
      windowsOnScreen(answer);
      ADD_FAILURE() << "accepted: " << answer.substr(0, 80);
    } catch (const PlatformError& error) {
      EXPECT_EQ(std::string(error.what()).rfind("window list unavailable: the GNOME Shell", 0), 0u)
          << error.what();
    }
  }
}

TEST(GnomeWindows, ExtensionFailureIsReportedWithItsMessage) {
  try {
    windowsOnScreen(R"({"error":"TypeError: global.display is undefined"})");
    ADD_FAILURE() << "accepted";
  } catch (const PlatformError& error) {
    EXPECT_STREQ(error.what(),
                 "window list unavailable: the GNOME Shell extension failed: TypeError: "
                 "global.display is undefined");
  }
}

}  // namespace
}  // namespace orvane::gnome
