// The tool inside Wayland sessions: sway answers from its window tree, with native (foot) and
// XWayland (xterm) windows alike; weston gives no window list, so every window command fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "wayland_desktop.h"
#include "window_json.h"

namespace orvane::testing {
namespace {

class SwaySession : public ::testing::Test {
 protected:
  // One session for the suite: tiled foot and xterm windows and a floating foot window on the
  // shown workspace, one on a hidden workspace and one in the scratchpad.
  static void SetUpTestSuite() {
    if (!WaylandDesktop::available())
      return;
    // A session that fails to start fails every test (an assertion here would skip them).
    try {
      sway = new WaylandDesktop("sway");
      populate();
    } catch (const std::exception& error) {
      startFailure = error.what();
      delete sway;
      sway = nullptr;
    }
  }

  static void populate() {
    // The floating window's app id names a launcher; the tiled one's names none.
    sway->installLauncher("orvane.floating");
    openFoot("orvane.tiled", "Tiled foot");
    sway->swayCommand("exec xterm -T 'X term'");
    waitForWindows({"Tiled foot", "X term"});
    // Floating from its first frame: set later, the client's answer to its tiled size could
    // still arrive and undo it.
    sway->swayCommand(
        "for_window [app_id=orvane.floating] "
        "'floating enable, resize set 500 300, move position 100 100'");
    openFoot("orvane.floating", "Floating foot");
    waitForWindows({"Floating foot", "Tiled foot", "X term"});
    sway->swayCommand("workspace 2");
    openFoot("orvane.hidden", "Hidden foot");
    waitForWindows({"Hidden foot"});
    sway->swayCommand("workspace 1");
    openFoot("orvane.scratch", "Scratch foot");
    waitForWindows({"Scratch foot", "Floating foot", "Tiled foot", "X term"});
    sway->swayCommand("[app_id=orvane.scratch] move scratchpad");
    // The xterm opened last, but the tiled foot window is focused after it.
    sway->swayCommand("[app_id=orvane.tiled] focus");
    sway->swayCommand("[app_id=orvane.floating] focus");
    waitForWindows({"Floating foot", "Tiled foot", "X term"});
  }
  static void TearDownTestSuite() {
    delete sway;
    sway = nullptr;
  }
  void SetUp() override {
    if (!WaylandDesktop::available())
      GTEST_SKIP() << "no user " << compositorUser << " to run sway as (scripts/test.sh makes it)";
    // A session that failed to start fails every test rather than skipping it.
    ASSERT_NE(sway, nullptr) << "the sway session did not start: " << startFailure;
  }

  static void openFoot(const std::string& appId, const std::string& title) {
    sway->swayCommand("exec foot --app-id=" + appId + " --title='" + title + "' sleep 100000");
  }

  static std::vector<ListedWindow> listAll() {
    const ProcessOutcome outcome = sway->runTool({"list-all"});
    EXPECT_EQ(outcome.exitStatus, 0) << outcome.err;
    EXPECT_EQ(outcome.err, "");
    return parseWindowArray(outcome.out).value_or(std::vector<ListedWindow>{});
  }

  // Waits until the shown windows have exactly these titles, as a set.
  static void waitForWindows(std::vector<std::string> expected) {
    std::sort(expected.begin(), expected.end());
    std::vector<std::string> seen;
    const bool arrived = waitUntil(
        [&] {
          seen = titles(listAll());
          std::sort(seen.begin(), seen.end());
          return seen == expected;
        },
        60);
    if (!arrived)
      throw std::runtime_error("the windows shown were " + ::testing::PrintToString(seen));
  }

  static WaylandDesktop* sway;
  static std::string startFailure;
};

WaylandDesktop* SwaySession::sway = nullptr;
std::string SwaySession::startFailure;

TEST_F(SwaySession, ListsNativeAndXWaylandWindowsFrontToBackWithTheirFrames) {
  const std::vector<ListedWindow> windows = listAll();
  ASSERT_EQ(titles(windows), (std::vector<std::string>{"Floating foot", "Tiled foot", "X term"}));
  const ListedWindow& floating = windows[0];
  EXPECT_EQ(floating.owner, "orvane.floating");
  EXPECT_EQ(floating.bundleId, "orvane.floating");
  // Its frame, title bar included, is where and as large as it was set.
  EXPECT_EQ(floating.x, 100);
  EXPECT_EQ(floating.y, 100);
  EXPECT_EQ(floating.width, 500);
  EXPECT_EQ(floating.height, 300);
  const ListedWindow& tiled = windows[1];
  const ListedWindow& xterm = windows[2];
  EXPECT_EQ(tiled.bundleId, "foot");
  EXPECT_EQ(xterm.owner, "XTerm");
  EXPECT_EQ(xterm.bundleId, "xterm");
  // Side by side (the xterm on the right), each from the top of the 1280x800 output to its bottom,
  // title bar included.
  EXPECT_EQ(xterm.y, 0);
  EXPECT_EQ(tiled.y, 0);
  EXPECT_EQ(xterm.height, 800);
  EXPECT_EQ(xterm.width + tiled.width, 1280);
  EXPECT_EQ(xterm.x, tiled.width);
  EXPECT_NE(tiled.windowId, xterm.windowId);
}

TEST_F(SwaySession, LookupsAnswerFromTheCompositor) {
  const ProcessOutcome frontmost = sway->runTool({"frontmost"});
  EXPECT_EQ(parseFrontmost(frontmost.out),
            (std::pair<std::string, std::string>{"orvane.floating", "orvane.floating"}))
      << frontmost.err;
  const auto atPoint = [](double x, double y) {
    const ProcessOutcome outcome =
        sway->runTool({"window-at-point", std::to_string(x), std::to_string(y)});
    return parseWindowObject(outcome.out).value_or(ListedWindow{}).title;
  };
  EXPECT_EQ(atPoint(110, 105), "Floating foot");  // on its title bar, over a tiled window
  const std::vector<ListedWindow> windows = listAll();
  ASSERT_EQ(windows.size(), 3u);
  EXPECT_EQ(atPoint(windows[1].x + windows[1].width - 5, 790), windows[1].title);
  EXPECT_EQ(atPoint(windows[2].x, 0), windows[2].title);
  const ProcessOutcome xterm = sway->runTool({"window-for-bundle", "xterm"});
  EXPECT_EQ(parseWindowObject(xterm.out).value_or(ListedWindow{}).title, "X term") << xterm.err;
  const ProcessOutcome launcher = sway->runTool({"window-for-bundle", "orvane.floating"});
  EXPECT_EQ(parseWindowObject(launcher.out).value_or(ListedWindow{}).title, "Floating foot");
}

TEST_F(SwaySession, FullscreenWindowComesFirstAndCoversTheOutput) {
  sway->swayCommand("[app_id=orvane.tiled] fullscreen enable");
  std::vector<ListedWindow> windows;
  waitUntil([&] {
    windows = listAll();
    return !windows.empty() && windows[0].title == "Tiled foot";
  });
  sway->swayCommand("[app_id=orvane.tiled] fullscreen disable");
  ASSERT_FALSE(windows.empty());
  EXPECT_EQ(windows[0].title, "Tiled foot");
  EXPECT_EQ(windows[0].x, 0);
  EXPECT_EQ(windows[0].y, 0);
  EXPECT_EQ(windows[0].width, 1280);
  EXPECT_EQ(windows[0].height, 800);
}

TEST(WestonSession, EveryWindowCommandFailsNamingTheLimitation) {
  if (!WaylandDesktop::available())
    GTEST_SKIP() << "no user " << compositorUser << " to run weston as (scripts/test.sh makes it)";
  const WaylandDesktop weston("weston");
  const std::vector<std::vector<std::string>> commands = {{"list"},
                                                          {"list-all"},
                                                          {"frontmost"},
                                                          {"window-for-bundle", "foot"},
                                                          {"window-at-point", "10", "10"}};
  for (const auto& command : commands) {
    const ProcessOutcome outcome = weston.runTool(command);
    EXPECT_EQ(outcome.exitStatus, 1) << command[0];
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err,
              "{\"success\":false,\"error\":\"window list unavailable: this Wayland compositor "
              "(weston) gives other programs no window list\"}\n");
  }
}

}  // namespace
}  // namespace orvane::testing
