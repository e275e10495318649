// The tool run again and again on a desktop that will not hold still: windows created and
// destroyed all the time, and a server that dies under it. Every run must end with one valid
// document and a sound status, never a crash, a hang or a partial document.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <thread>

#include "fuzz/json_check.h"
#include "virtual_desktop.h"

namespace orvane::testing {
namespace {

const std::string notFound = "{\"success\":false,\"error\":\"target window not found\"}\n";

// A run is sound when it printed one valid document on the stream its status calls for; a
// lookup may find nothing.
::testing::AssertionResult isSound(const ProcessOutcome& outcome) {
  if (outcome.timedOut || outcome.signal != 0) {
    return ::testing::AssertionFailure() << "hung or killed by signal " << outcome.signal;
  }
  if (outcome.exitStatus == 1 && outcome.out.empty() && outcome.err == notFound) {
    return ::testing::AssertionSuccess();
  }
  if (outcome.exitStatus != 0 || !outcome.err.empty() || outcome.out.empty() ||
      outcome.out.back() != '\n' ||
      !isValidJsonDocument(std::string_view(outcome.out).substr(0, outcome.out.size() - 1))) {
    return ::testing::AssertionFailure() << "status " << outcome.exitStatus << ", out "
                                         << outcome.out.substr(0, 200) << ", err " << outcome.err;
  }
  return ::testing::AssertionSuccess();
}

const std::vector<std::vector<std::string>> everyWindowCommand = {
    {"list"},
    {"list-all"},
    {"frontmost"},
    {"window-at-point", "150", "150"},
    {"window-for-bundle", "orvane_testwin"}};

TEST(HostileDesktop, HundredsOfRunsWhileWindowsComeAndGo) {
  VirtualDesktop desktop;
  desktop.openTestWindow({"--title", "steady"});
  for (int churner = 0; churner < 3; ++churner)
    desktop.createTestWindow({"--churn"});
  desktop.createTestWindow({"--churn", "--override-redirect"});
  for (int run = 0; run < 300; ++run) {
    const auto& command = everyWindowCommand[static_cast<std::size_t>(run) % 5];
    ASSERT_TRUE(isSound(desktop.runTool(command))) << "run " << run << ": " << command[0];
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
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    serverGone = true;
    runner.join();
    ASSERT_FALSE(outcomes.empty());
    for (const ProcessOutcome& outcome : outcomes)
      EXPECT_TRUE(isSound(outcome));
    EXPECT_EQ(outcomes.back().out, "[]\n") << "after the server died";
  }
}

}  // namespace
}  // namespace orvane::testing
