// The command-line contract, checked on the built binary.
#include <gtest/gtest.h>

#include "support/child_process.h"

namespace orvane {
namespace {

using testing::ProcessOptions;
using testing::runTool;

const std::string usageLine =
    R"({"success":false,"error":"usage: OrvaneScreenTool frontmost | list | list-all | )"
    R"(window-for-bundle <bundle-id> | window-at-point <x> <y> | ocr <image-path>"})"
    "\n";

// No X server: the window commands see an empty desktop.
ProcessOptions withoutDisplay() {
  ProcessOptions options;
  options.environment = {"DISPLAY", "WAYLAND_DISPLAY"};
  return options;
}
const ProcessOptions noDisplay = withoutDisplay();

void expectUsage(const std::vector<std::string>& arguments) {
  const auto outcome = runTool(arguments, noDisplay);
  EXPECT_EQ(outcome.exitStatus, 1);
  EXPECT_EQ(outcome.out, "");
  EXPECT_EQ(outcome.err, usageLine);
}

// The dispatcher's tests hold the whole matrix; these show that the binary reports it.
TEST(ToolProcess, UsageErrors) {
  expectUsage({});
  expectUsage({"List"});
  expectUsage({"window-for-bundle", "a", "b"});
  expectUsage({"window-at-point", "1", "1,5"});
}

TEST(ToolProcess, CommandsWithoutOperandsIgnoreExtraWords) {
  for (const char* command : {"list", "list-all"}) {
    const auto outcome = runTool({command, "extra", "--words", ""}, noDisplay);
    EXPECT_EQ(outcome.exitStatus, 0) << command;
    EXPECT_EQ(outcome.out, "[]\n") << command;
    EXPECT_EQ(outcome.err, "") << command;
  }
  const auto frontmost = runTool({"frontmost", "extra"}, noDisplay);
  EXPECT_EQ(frontmost.exitStatus, 1);
  EXPECT_EQ(frontmost.err, "{\"success\":false,\"error\":\"target window not found\"}\n");
}

TEST(ToolProcess, ReadableCoordinatesReachTheLookup) {
  for (const auto& point : std::vector<std::vector<std::string>>{
           {"100", "200.5"}, {"-5", "1e3"}, {"+7", ".5"}, {"0x10", "0"}, {"nan", "inf"}}) {
    const auto outcome = runTool({"window-at-point", point[0], point[1]}, noDisplay);
    EXPECT_EQ(outcome.exitStatus, 1);
    EXPECT_EQ(outcome.err, "{\"success\":false,\"error\":\"target window not found\"}\n");
  }
}

TEST(ToolProcess, AnUnwritableStandardOutputEndsWithStatusOneNotASignal) {
  for (const auto mode : {ProcessOptions::Stdout::closed, ProcessOptions::Stdout::readerGone}) {
    ProcessOptions options = noDisplay;
    options.stdoutMode = mode;
    const auto outcome = runTool({"list"}, options);
    EXPECT_EQ(outcome.signal, 0);
    EXPECT_EQ(outcome.exitStatus, 1);
    EXPECT_NE(outcome.err.find("\"success\":false"), std::string::npos) << outcome.err;
  }
}

}  // namespace
}  // namespace orvane
