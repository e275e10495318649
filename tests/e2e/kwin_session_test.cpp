// The tool inside a KDE Plasma Wayland session: KWin answers through a script it runs for each
// query, with native Wayland and XWayland windows alike, and keeps no script afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <future>
#include <stdexcept>

#include "kwin_desktop.h"
#include "session_windows.h"
#include "wayland_desktop.h"
#include "window_json.h"

namespace orvane::testing {
namespace {

constexpr const char* terminalAppId = "org.freedesktop.weston.wayland-terminal";

class KWinSession : public ::testing::Test {
 protected:
  // One session for the suite: a weston-terminal (native Wayland), an xterm, a dialog and a
  // panel (XWayland) shown; a minimised window and one on the second virtual desktop.
  static void SetUpTestSuite() {
    if (!WaylandDesktop::available())
      return;
    // A session that fails to start fails every test (an assertion here would skip them).
    try {
      kwin = new KWinDesktop();
      populate();
    } catch (const std::exception& error) {
      startFailure = error.what();
      delete kwin;
      kwin = nullptr;
    }
  }

  static void populate() {
    // The terminal's app id names a launcher; the xterm's class names none.
    kwin->installLauncher(terminalAppId);
    kwin->startClient({"weston-terminal"});
    waitForWindows({"Wayland Terminal"});
    kwin->startClient({"xterm", "-T", "X term", "-geometry", "80x24+600+300"});
    openTestWindow({"--title", "Dialog window", "--type", "DIALOG"});
    openTestWindow({"--title", "Panel", "--type", "DOCK", "--geometry", "1280x40+0+760"});
    openTestWindow({"--title", "Minimised window"});
    openTestWindow({"--title", "Away window"});
    waitForWindows({"Away window", "Dialog window", "Minimised window", "Panel", "Wayland Terminal",
                    "X term"});
    kwin->runScript(R"js(
      var windows = workspace.clientList();
      for (var i = 0; i < windows.length; ++i) {
        if (windows[i].caption === "Minimised window") windows[i].minimized = true;
        if (windows[i].caption === "Away window") windows[i].desktop = 2;
      })js",
                    [] {
                      return shownTitles() == std::vector<std::string>{"Dialog window", "Panel",
                                                                       "Wayland Terminal",
                                                                       "X term"};
                    });
    kwin->runScript(R"js(
      var windows = workspace.clientList();
      for (var i = 0; i < windows.length; ++i)
        if (windows[i].caption === "X term") workspace.activeClient = windows[i];)js",
                    [] {
                      const ProcessOutcome outcome = kwin->runTool({"list"});
                      const auto windows = parseWindowArray(outcome.out);
                      return windows && !windows->empty() && windows->front().title == "X term";
                    });
  }
  static void TearDownTestSuite() {
    delete kwin;
    kwin = nullptr;
  }
  void SetUp() override {
    if (!WaylandDesktop::available())
      GTEST_SKIP() << "no user " << compositorUser << " to run KWin as (scripts/test.sh makes it)";
    ASSERT_NE(kwin, nullptr) << "the KWin session did not start: " << startFailure;
  }

  static void openTestWindow(std::vector<std::string> options) {
    options.insert(options.begin(), kwin->runnableCopy(ORVANE_TEST_WINDOW_PATH));
    kwin->startClient(options);
  }

  static ProcessOutcome tool(const std::vector<std::string>& arguments) {
    return kwin->runTool(arguments);
  }
  static std::vector<ListedWindow> run(const std::vector<std::string>& command) {
    return listedWindows(tool, command);
  }
  static std::vector<ListedWindow> listAll() { return run({"list-all"}); }
  static std::vector<std::string> shownTitles() { return testing::shownTitles(tool); }
  static void waitForWindows(std::vector<std::string> expected) {
    testing::waitForWindows(tool, std::move(expected));
  }

  static KWinDesktop* kwin;
  static std::string startFailure;
};

KWinDesktop* KWinSession::kwin = nullptr;
std::string KWinSession::startFailure;

TEST_F(KWinSession, ListsShownWindowsFrontToBackWithTheirFrames) {
  const std::vector<ListedWindow> all = listAll();
  // The panel stays above the windows; the xterm was raised last; the minimised window and the
  // one on the other desktop are not on screen.
  ASSERT_EQ(titles(all),
            (std::vector<std::string>{"Panel", "X term", "Dialog window", "Wayland Terminal"}));
  EXPECT_EQ(titles(run({"list"})),
            (std::vector<std::string>{"X term", "Dialog window", "Wayland Terminal"}));
  const ListedWindow& panel = all[0];
  EXPECT_EQ(panel.width, 1280);  // no decoration on a panel
  EXPECT_EQ(panel.height, 40);
  const ListedWindow& xterm = all[1];
  EXPECT_EQ(xterm.owner, "xterm");
  EXPECT_EQ(xterm.bundleId, "xterm");
  // The frame a user sees: the 400x300 window with KWin's title bar above it.
  const ListedWindow& dialog = all[2];
  EXPECT_EQ(dialog.width, 400);
  EXPECT_GT(dialog.height, 300);
  const ListedWindow& terminal = all[3];
  EXPECT_EQ(terminal.owner, terminalAppId);
  EXPECT_EQ(terminal.bundleId, terminalAppId);
  EXPECT_GT(terminal.width, 0);
  std::vector<std::uint32_t> ids;
  for (const ListedWindow& window : all)
    ids.push_back(window.windowId);
  std::sort(ids.begin(), ids.end());
  EXPECT_EQ(std::unique(ids.begin(), ids.end()), ids.end());
}

TEST_F(KWinSession, LookupsAnswerFromTheCompositor) {
  const ProcessOutcome frontmost = kwin->runTool({"frontmost"});
  EXPECT_EQ(parseFrontmost(frontmost.out), (std::pair<std::string, std::string>{"xterm", "xterm"}))
      << frontmost.err;
  const ProcessOutcome terminal = kwin->runTool({"window-for-bundle", terminalAppId});
  EXPECT_EQ(parseWindowObject(terminal.out).value_or(ListedWindow{}).title, "Wayland Terminal")
      << terminal.err;
  const std::vector<ListedWindow> all = listAll();
  ASSERT_EQ(all.size(), 4u);
  const ListedWindow& xterm = all[1];
  const auto atPoint = [](double x, double y) {
    const ProcessOutcome outcome =
        kwin->runTool({"window-at-point", std::to_string(x), std::to_string(y)});
    return parseWindowObject(outcome.out).value_or(ListedWindow{}).title;
  };
  EXPECT_EQ(atPoint(xterm.x, xterm.y), "X term");  // its title bar's corner
  EXPECT_EQ(atPoint(xterm.x + xterm.width, xterm.y + 1), atPoint(xterm.x + xterm.width, xterm.y));
  EXPECT_NE(atPoint(xterm.x + xterm.width, xterm.y + 1), "X term");  // just right of it
}

TEST_F(KWinSession, OverlappingQueriesEachAnswerAndLeaveNoScriptLoaded) {
  const int loadedBefore = kwin->loadedScripts();
  std::vector<std::future<ProcessOutcome>> runs;
  for (int i = 0; i < 6; ++i)
    runs.push_back(std::async(std::launch::async, [] { return kwin->runTool({"list-all"}); }));
  for (auto& run : runs) {
    const ProcessOutcome outcome = run.get();
    EXPECT_EQ(outcome.exitStatus, 0) << outcome.err;
    EXPECT_EQ(titles(parseWindowArray(outcome.out).value_or(std::vector<ListedWindow>{})).size(),
              4u);
  }
  // Each run's unload request has left it, though KWin may not have acted on it yet.
  EXPECT_TRUE(waitUntil([&] { return kwin->loadedScripts() == loadedBefore; }, 30));
}

TEST_F(KWinSession, ACompositorThatNeverAnswersFailsInTimeAndKeepsNoScript) {
  const int loadedBefore = kwin->loadedScripts();
  kwin->signalCompositor(SIGSTOP);
  const ProcessOutcome outcome = kwin->runTool({"frontmost"});
  kwin->signalCompositor(SIGCONT);
  EXPECT_EQ(outcome.exitStatus, 1);
  EXPECT_EQ(outcome.out, "");
  EXPECT_EQ(outcome.err,
            "{\"success\":false,\"error\":\"window list unavailable: KWin gave no answer within "
            "the time limit\"}\n");
  // The unload was sent after the load, so KWin, once it runs again, ends up without the script.
  EXPECT_TRUE(waitUntil([&] { return kwin->loadedScripts() == loadedBefore; }, 30));
}

TEST(KWinUnreachable, AnUnreachableSessionBusFailsWithTheReason) {
  ProcessOptions options;
  options.environment = {"XDG_SESSION_TYPE=wayland", "XDG_CURRENT_DESKTOP=KDE",
                         "DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/orvane-bus"};
  const ProcessOutcome outcome = runTool({"list"}, options);
  EXPECT_EQ(outcome.exitStatus, 1);
  EXPECT_EQ(outcome.out, "");
  EXPECT_EQ(outcome.err,
            "{\"success\":false,\"error\":\"window list unavailable: KWin session bus cannot be "
            "reached: No such file or directory\"}\n");
}

}  // namespace
}  // namespace orvane::testing
