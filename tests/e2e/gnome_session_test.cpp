// The tool inside a GNOME Wayland session: GNOME Shell answers through the project's extension,
// with native Wayland and XWayland windows alike; without the extension, the tool says how to
// enable it.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <stdexcept>

#include "gnome_desktop.h"
#include "session_windows.h"
#include "wayland_desktop.h"
#include "window_json.h"

namespace orvane::testing {
namespace {

constexpr const char* terminalAppId = "org.freedesktop.weston.wayland-terminal";
constexpr const char* notEnabledError =
    "{\"success\":false,\"error\":\"window list unavailable: the OrvaneScreenTool GNOME Shell "
    "extension is not enabled; run: gnome-extensions enable orvane-screen-tool@orvane, then log "
    "out and back in\"}\n";

class GnomeSession : public ::testing::Test {
 protected:
  // One session for the suite: a weston-terminal (native Wayland), an xterm, a dialog and a
  // panel (XWayland) shown; a minimised window and one on the second workspace.
  static void SetUpTestSuite() {
    if (!WaylandDesktop::available())
      return;
    // A session that fails to start fails every test (an assertion here would skip them).
    try {
      gnome = new GnomeDesktop();
      populate();
    } catch (const std::exception& error) {
      startFailure = error.what();
      delete gnome;
      gnome = nullptr;
    }
  }

  static void populate() {
    // The terminal's app id names a launcher; the xterm's class names none.
    gnome->installLauncher(terminalAppId);
    gnome->startClient({"weston-terminal"});
    waitForWindows({"Wayland Terminal"});
    // xdotool finds windows by WM_NAME.
    openTestWindow({"--title", "Minimised window", "--wm-name", "Minimised window"});
    openTestWindow({"--title", "Panel", "--type", "DOCK", "--geometry", "1280x40+0+760"});
    openTestWindow({"--title", "Dialog window", "--wm-name", "Dialog window", "--type", "DIALOG"});
    // The shell keeps an empty workspace after the last one, here the second.
    openTestWindow({"--title", "Away window", "--desktop", "1"});
    const auto awayWindowKnown = [] {
      return gnome
                 ->run({"dbus-send", "--session", "--print-reply=literal",
                        "--dest=org.orvane.ScreenTool", "/org/orvane/ScreenTool",
                        "org.orvane.ScreenTool.WindowList.GetWindows"})
                 .find(R"("title":"Away window")") != std::string::npos;
    };
    if (!waitUntil(awayWindowKnown, 60))
      throw std::runtime_error("the shell has no window on its second workspace");
    waitForWindows({"Dialog window", "Minimised window", "Panel", "Wayland Terminal"});
    gnome->run({"xdotool", "search", "--name", "Minimised window", "windowminimize"});
    waitForWindows({"Dialog window", "Panel", "Wayland Terminal"});
    gnome->startClient({"xterm", "-T", "X term", "-geometry", "80x24+600+300"});
    waitForWindows({"Dialog window", "Panel", "Wayland Terminal", "X term"});
    // Which of the new windows the shell raises depends on when each asked for the focus; raising
    // the dialog and then the xterm, as a pager would, settles the order. A request the shell
    // does not act on is sent again.
    std::vector<std::string> shown;
    const auto raised = [&] {
      shown = titles(
          parseWindowArray(gnome->runTool({"list"}).out).value_or(std::vector<ListedWindow>{}));
      return shown == std::vector<std::string>{"X term", "Dialog window", "Wayland Terminal"};
    };
    bool settled = false;
    for (int attempt = 0; attempt < 6 && !settled; ++attempt) {
      for (const char* title : {"Dialog window", "X term"})
        gnome->run({"xdotool", "search", "--name", title, "windowactivate"});
      settled = waitUntil(raised, 10);
    }
    if (!settled)
      throw std::runtime_error("the windows raised did not come to the front: " +
                               ::testing::PrintToString(shown));
  }
  static void TearDownTestSuite() {
    delete gnome;
    gnome = nullptr;
  }
  void SetUp() override {
    if (!WaylandDesktop::available())
      GTEST_SKIP() << "no user " << compositorUser
                   << " to run GNOME Shell as (scripts/test.sh makes it)";
    ASSERT_NE(gnome, nullptr) << "the GNOME session did not start: " << startFailure;
  }

  static void openTestWindow(std::vector<std::string> options) {
    options.insert(options.begin(), gnome->runnableCopy(ORVANE_TEST_WINDOW_PATH));
    gnome->startClient(options);
  }

  static ProcessOutcome tool(const std::vector<std::string>& arguments) {
    return gnome->runTool(arguments);
  }
  static std::vector<ListedWindow> run(const std::vector<std::string>& command) {
    return listedWindows(tool, command);
  }
  static std::vector<std::string> shownTitles() { return testing::shownTitles(tool); }
  static void waitForWindows(std::vector<std::string> expected) {
    testing::waitForWindows(tool, std::move(expected));
  }

  static GnomeDesktop* gnome;
  static std::string startFailure;
};

GnomeDesktop* GnomeSession::gnome = nullptr;
std::string GnomeSession::startFailure;

TEST_F(GnomeSession, ListsShownWindowsFrontToBackWithTheirFrames) {
  const std::vector<ListedWindow> all = run({"list-all"});
  // The panel stays above the windows, the xterm opened last; the minimised window, the one on
  // the second workspace and the shell's own X11 window, which it keeps off the screen, are not
  // on screen.
  ASSERT_EQ(titles(all),
            (std::vector<std::string>{"Panel", "X term", "Dialog window", "Wayland Terminal"}));
  EXPECT_EQ(titles(run({"list"})),
            (std::vector<std::string>{"X term", "Dialog window", "Wayland Terminal"}));
  const ListedWindow& panel = all[0];
  EXPECT_EQ(panel.width, 1280);  // no decoration on a panel
  EXPECT_EQ(panel.height, 40);
  const ListedWindow& xterm = all[1];
  EXPECT_EQ(xterm.owner, "XTerm");
  EXPECT_EQ(xterm.bundleId, "xterm");
  // The frame a user sees: the 400x300 window with the shell's title bar above it.
  const ListedWindow& dialog = all[2];
  EXPECT_GE(dialog.width, 400);
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

TEST_F(GnomeSession, LookupsAnswerFromTheCompositor) {
  const ProcessOutcome frontmost = gnome->runTool({"frontmost"});
  EXPECT_EQ(parseFrontmost(frontmost.out), (std::pair<std::string, std::string>{"xterm", "XTerm"}))
      << frontmost.err;
  const ProcessOutcome terminal = gnome->runTool({"window-for-bundle", terminalAppId});
  EXPECT_EQ(parseWindowObject(terminal.out).value_or(ListedWindow{}).title, "Wayland Terminal")
      << terminal.err;
  const std::vector<ListedWindow> all = run({"list-all"});
  ASSERT_EQ(all.size(), 4u);
  const ListedWindow& xterm = all[1];
  const auto atPoint = [](double x, double y) {
    const ProcessOutcome outcome =
        gnome->runTool({"window-at-point", std::to_string(x), std::to_string(y)});
    return parseWindowObject(outcome.out).value_or(ListedWindow{}).title;
  };
  EXPECT_EQ(atPoint(xterm.x, xterm.y), "X term");                    // its title bar's corner
  EXPECT_NE(atPoint(xterm.x + xterm.width, xterm.y + 1), "X term");  // just right of it
}

TEST_F(GnomeSession, DisabledExtensionGivesTheMessageUntilEnabledAgain) {
  gnome->run({"gnome-extensions", "disable", "orvane-screen-tool@orvane"});
  ProcessOutcome outcome;
  EXPECT_TRUE(waitUntil([&] { return (outcome = gnome->runTool({"list"})).exitStatus == 1; }, 30));
  EXPECT_EQ(outcome.out, "");
  EXPECT_EQ(outcome.err, notEnabledError);
  gnome->run({"gnome-extensions", "enable", "orvane-screen-tool@orvane"});
  EXPECT_TRUE(waitUntil([&] { return gnome->runTool({"list"}).exitStatus == 0; }, 30));
}

TEST_F(GnomeSession, AShellThatNeverAnswersFailsInTime) {
  gnome->signalShell(SIGSTOP);
  const ProcessOutcome outcome = gnome->runTool({"frontmost"});
  gnome->signalShell(SIGCONT);
  EXPECT_EQ(outcome.exitStatus, 1);
  EXPECT_EQ(outcome.out, "");
  EXPECT_EQ(outcome.err,
            "{\"success\":false,\"error\":\"window list unavailable: GNOME Shell gave no answer "
            "within the time limit\"}\n");
  EXPECT_TRUE(waitUntil([] { return gnome->runTool({"list"}).exitStatus == 0; }, 30));
}

TEST(GnomeWithoutExtension, ABusWithoutTheExtensionGivesTheMessage) {
  BackgroundProcess bus({"dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address"});
  const std::optional<std::string> address = bus.readLine();
  ASSERT_TRUE(address);
  ProcessOptions options;
  options.environment = {"WAYLAND_DISPLAY=wayland-orvane-none", "XDG_CURRENT_DESKTOP=GNOME",
                         "DBUS_SESSION_BUS_ADDRESS=" + *address};
  for (const char* command : {"list", "frontmost"}) {
    const ProcessOutcome outcome = runTool({command}, options);
    EXPECT_EQ(outcome.exitStatus, 1);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, notEnabledError);
  }
}

}  // namespace
}  // namespace orvane::testing
