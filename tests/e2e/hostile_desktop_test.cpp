// The tool run again and again on a desktop that will not hold still: windows created and
// destroyed all the time, and a server that dies under it. Every run must end with one valid
// document and a sound status, never a crash, a hang or a partial document.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <thread>

#include "e2e/sound_run.h"
#include "virtual_desktop.h"
#include "window_json.h"

namespace orvane::testing {
namespace {

const std::string notFound = "{\"success\":false,\"error\":\"target window not found\"}\n";

::testing::AssertionResult isSound(const ProcessOutcome& outcome) {
  return isSoundRun(outcome, notFound);
}

// Whether the run answered with a window that a steady window at frame guarantees: the steady
// window in the listings, a test window for the other queries (the window at the point may be
// a churning one in front of the steady window).
::testing::AssertionResult foundSteady(const std::vector<std::string>& command,
                                       const ProcessOutcome& outcome, xcb_window_t steady) {
  const std::string& name = command[0];
  bool found = false;
  if (name == "list" || name == "list-all") {
    const auto windows = parseWindowArray(outcome.out);
    found =
        windows && std::ranges::find(*windows, steady, &ListedWindow::windowId) != windows->end();
  } else if (name == "frontmost") {
    const auto front = parseFrontmost(outcome.out);
    found = front && front->first == "orvane_testwin";
  } else {
    const auto window = parseWindowObject(outcome.out);
    found = window && window->bundleId == "orvane_testwin";
    if (found && name == "window-at-point") {
      const double x = std::stod(command[1]), y = std::stod(command[2]);
      found = x >= window->x && x < window->x + window->width && y >= window->y &&
              y < window->y + window->height;
    }
  }
  if (found)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "status " << outcome.exitStatus << ", out "
                                       << outcome.out.substr(0, 300) << ", err " << outcome.err;
}

// A fixed number of runs, so that the time the test takes follows the machine's load; every one
// must see the steady window however the others churn.
TEST(HostileDesktop, RunsWhileWindowsComeAndGoFindTheSteadyWindow) {
  VirtualDesktop desktop;
  const xcb_window_t steady = desktop.openTestWindow({"--title", "steady"});
  const auto frame = desktop.probe().frameOf(steady);
  ASSERT_TRUE(frame);
  for (int churner = 0; churner < 3; ++churner)
    desktop.createTestWindow({"--churn"});
  desktop.createTestWindow({"--churn", "--override-redirect"});
  const std::vector<std::vector<std::string>> everyWindowCommand = {
      {"list"},
      {"list-all"},
      {"frontmost"},
      {"window-at-point", std::to_string(frame->x + frame->width / 2),
       std::to_string(frame->y + frame->height / 2)},
      {"window-for-bundle", "orvane_testwin"}};
  for (int run = 0; run < 60; ++run) {
    const auto& command = everyWindowCommand[static_cast<std::size_t>(run) % 5];
    ASSERT_TRUE(foundSteady(command, desktop.runTool(command), steady))
        << "run " << run << ": " << command[0];
  }
}

TEST(HostileDesktop, AServerKilledMidQueryLeavesEveryRunSound) {
  // The kill lands at a different moment of the walk each time: while connecting, while
  // reading the tree, while reading properties, or between runs.
  for (const int delayMilliseconds : {0, 2, 5, 9, 15}) {
    VirtualDesktop desktop;
    for (int window = 0; window < 20; ++window) {
      desktop.createTestWindow({"--title", "window " + std::to_string(window)});
    }
    std::atomic<bool> serverGone = false;
    std::vector<ProcessOutcome> outcomes;
    // Runs until one has started after the server was surely gone, however slow a run is.
    std::thread runner([&] {
      for (bool last = false; !last;) {
        last = serverGone;
        outcomes.push_back(desktop.runTool({"list-all"}));
      }
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(20 + delayMilliseconds));
    desktop.server().signal(SIGKILL);
    // Gone for sure once reaped; only runs that start after that must find no server.
    EXPECT_TRUE(waitUntil([&] { return desktop.server().hasEnded(); }));
    serverGone = true;
    runner.join();
    ASSERT_FALSE(outcomes.empty());
    for (const ProcessOutcome& outcome : outcomes)
      EXPECT_TRUE(isSound(outcome));
    // Another test's server may have taken the display number since; its windows are not ours.
    const auto last = parseWindowArray(outcomes.back().out);
    ASSERT_TRUE(last) << outcomes.back().out;
    for (const ListedWindow& window : *last)
      EXPECT_FALSE(window.title.starts_with("window ")) << "listed after the server died";
  }
}

}  // namespace
}  // namespace orvane::testing
