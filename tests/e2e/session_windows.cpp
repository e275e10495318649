#include "session_windows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "background_process.h"

namespace orvane::testing {

std::vector<ListedWindow> listedWindows(const SessionTool& tool,
                                        const std::vector<std::string>& command) {
  const ProcessOutcome outcome = tool(command);
  EXPECT_EQ(outcome.exitStatus, 0) << outcome.err;
  EXPECT_EQ(outcome.err, "");
  return parseWindowArray(outcome.out).value_or(std::vector<ListedWindow>{});
}

std::vector<std::string> shownTitles(const SessionTool& tool) {
  const ProcessOutcome outcome = tool({"list-all"});
  std::vector<std::string> seen =
      titles(parseWindowArray(outcome.out).value_or(std::vector<ListedWindow>{}));
  std::sort(seen.begin(), seen.end());
  return seen;
}

void waitForWindows(const SessionTool& tool, std::vector<std::string> expected) {
  std::sort(expected.begin(), expected.end());
  std::vector<std::string> seen;
  if (!waitUntil([&] { return (seen = shownTitles(tool)) == expected; }, 60))
    throw std::runtime_error("the windows shown were " + ::testing::PrintToString(seen));
}

}  // namespace orvane::testing
