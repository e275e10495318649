#include "platform/kwin/kwin_windows.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "base/tool_error.h"
#include "platform/kwin/kwin_script.h"

namespace orvane::kwin {
namespace {

// Shaped like the window script's answer under KWin 5.27 (a weston-terminal, an xterm through
// XWayland), with the windows that must be left out around them, listed in KWin's own order
// rather than by stacking.
constexpr std::string_view recordedAnswer = R"({"windows":[
 {"id":"{26efe50e-30f1-41fe-be80-a1655cd804aa}","stackingOrder":3,"x":398,"y":223,"width":484,
  "height":353,"caption":"XTerm one","resourceClass":"xterm","pid":11423,"type":"normalWindow",
  "popup":false,"keepAbove":false,"opacity":1,"minimized":false,"hidden":false,"deleted":false,
  "onCurrentDesktop":true},
 {"id":"{030a57ed-0f78-4c79-86f6-7aa46f9a45e4}","stackingOrder":1,"x":269.4,"y":141.6,
  "width":742,"height":555,"caption":"Wayland Terminal",
  "resourceClass":"org.freedesktop.weston.wayland-terminal","pid":10947,"type":"normalWindow",
  "popup":false,"keepAbove":false,"opacity":0.5,"minimized":false,"hidden":false,
  "deleted":false,"onCurrentDesktop":true},
 {"id":"{minimised}","stackingOrder":5,"x":0,"y":0,"width":500,"height":400,"caption":"Min",
  "resourceClass":"m","pid":1,"type":"normalWindow","minimized":true,"onCurrentDesktop":true},
 {"id":"{elsewhere}","stackingOrder":6,"x":0,"y":0,"width":500,"height":400,"caption":"Away",
  "resourceClass":"a","pid":1,"type":"normalWindow","onCurrentDesktop":false},
 {"id":"{closing}","stackingOrder":7,"x":0,"y":0,"width":500,"height":400,"caption":"Gone",
  "resourceClass":"g","pid":1,"type":"normalWindow","deleted":true,"onCurrentDesktop":true},
 {"id":"{backdrop}","stackingOrder":0,"x":0,"y":0,"width":1280,"height":800,"caption":"Desktop",
  "resourceClass":"plasmashell","pid":2,"type":"desktopWindow","onCurrentDesktop":true},
 {"id":"{panel}","stackingOrder":4,"x":0,"y":756,"width":1280,"height":44,"caption":"",
  "resourceClass":"","pid":-1,"type":"dock","onCurrentDesktop":true}]})";

std::vector<std::string> names(const std::vector<WindowFacts>& windows) {
  std::vector<std::string> captions;
  for (const WindowFacts& window : windows)
    captions.push_back(window.name.value_or("(none)"));
  return captions;
}

// One window of the given kind, shown.
std::string oneWindow(std::string_view members) {
  return R"({"windows":[{"id":"{w}","stackingOrder":0,"x":0,"y":0,"width":500,"height":400,)"
         R"("onCurrentDesktop":true,)" +
         std::string(members) + "}]}";
}

TEST(KWinWindows, ShownWindowsFrontToBackByStackingOrder) {
  const auto windows = windowsOnScreen(recordedAnswer);
  ASSERT_EQ(names(windows), (std::vector<std::string>{"", "XTerm one", "Wayland Terminal"}));
  const WindowFacts& panel = windows[0];
  EXPECT_EQ(panel.className, std::nullopt);  // an empty class names nobody
  EXPECT_EQ(panel.processId, std::nullopt);
  EXPECT_EQ(panel.layer, 20);
  const WindowFacts& xterm = windows[1];
  EXPECT_EQ(xterm.className, "xterm");
  EXPECT_EQ(xterm.processId, 11423u);
  EXPECT_EQ(xterm.layer, 0);
  EXPECT_EQ((std::vector<std::int64_t>{xterm.x, xterm.y, xterm.width, xterm.height}),
            (std::vector<std::int64_t>{398, 223, 484, 353}));
  const WindowFacts& terminal = windows[2];
  EXPECT_EQ(terminal.x, 269);  // fractional frames round to whole pixels
  EXPECT_EQ(terminal.y, 142);
  EXPECT_EQ(terminal.alpha, 0.5);
  EXPECT_NE(xterm.number, terminal.number);
  EXPECT_EQ(windowsOnScreen(recordedAnswer)[1].number, xterm.number);  // stable between runs
}

TEST(KWinWindows, KindsMapToTheLevelsOfX11) {
  const auto level = [](std::string_view members) {
    return windowsOnScreen(oneWindow(members)).at(0).layer;
  };
  EXPECT_EQ(level(R"("type":"dialog")"), 0);
  EXPECT_EQ(level(R"("type":"normalWindow","keepAbove":true)"), 3);
  EXPECT_EQ(level(R"("type":"utility")"), 3);
  EXPECT_EQ(level(R"("type":"criticalNotification")"), 25);
  EXPECT_EQ(level(R"("type":"onScreenDisplay")"), 25);
  EXPECT_EQ(level(R"("type":"normalWindow","popup":true)"), 101);  // a Wayland popup
  EXPECT_EQ(level(R"("type":"appletPopup")"), 101);
  EXPECT_EQ(level(R"("type":"tooltip","popup":true)"), 200);
  EXPECT_EQ(level(R"("type":"somethingNew")"), 0);
}

TEST(KWinWindows, ExtremeValuesAreClampedNotWrapped) {
  const WindowFacts window =
      windowsOnScreen(
          oneWindow(R"("x":-1e30,"width":1e30,"height":-5,"pid":4294967297,"opacity":7)"))
          .at(0);
  EXPECT_EQ(window.x, std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(window.width, std::numeric_limits<std::uint32_t>::max());
  EXPECT_EQ(window.height, 0u);
  EXPECT_EQ(window.processId, std::nullopt);
  EXPECT_EQ(window.alpha, 1.0);
}

TEST(KWinWindows, AnythingButAWholeAnswerFailsRatherThanGivePartOfIt) {
  const std::string whole(recordedAnswer);
  for (const std::string& answer : std::vector<std::string>{
           whole.substr(0, whole.size() / 2),  // cut short
           std::string("[]"),                  // not an object
           std::string(R"({"windows":{}})"),   // not a list
           std::string(R"({"windows":[1]})"),  // not a window
           std::string(R"({})"),               // nothing at all
           oneWindow(R"("y":"12")"),           // a number as text
           std::string(R"({"windows":[{"stackingOrder":0,"x":0,"y":0,"width":1,"height":1,)"
                       R"("onCurrentDesktop":true}]})"),   // no id
           std::string(600, '[') + std::string(600, ']'),  // nested too deep
       }) {
    try {
      windowsOnScreen(answer);
      ADD_FAILURE() << "accepted: " << answer.substr(0, 80);
    } catch (const PlatformError& error) {
      EXPECT_EQ(std::string(error.what()).rfind("window list unavailable: KWin", 0), 0u)
          << error.what();
    }
  }
}

TEST(KWinWindows, ScriptFailureIsReportedWithKWinsMessage) {
  EXPECT_THROW(
      {
        try {
          windowsOnScreen(R"({"error":"TypeError: workspace.clientList is not a function"})");
        } catch (const PlatformError& error) {
          EXPECT_STREQ(error.what(),
                       "window list unavailable: KWin's window script failed: TypeError: "
                       "workspace.clientList is not a function");
          throw;
        }
      },
      PlatformError);
}

TEST(KWinScript, RepliesToThisConnectionOnlyAndRefusesOddNames) {
  const std::string script = windowListScript(":1.42");
  EXPECT_NE(script.find(R"(var replyTo = ":1.42")"), std::string::npos);
  EXPECT_NE(script.find("callDBus(replyTo"), std::string::npos);
  // The name is written into the script as it stands, so nothing that could end the string.
  EXPECT_THROW(windowListScript(R"(:1.42"; workspace.slotWindowClose(); ")"), PlatformError);
  EXPECT_THROW(windowListScript(""), PlatformError);
}

}  // namespace
}  // namespace orvane::kwin
