#include <gtest/gtest.h>
#include <cmath>

#include "base/tool_error.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "cli/run_tool.h"
#include "support/fakes.h"
#include "windows/entry_builder.h"

namespace orvane {
namespace {

using testing::FakePlatform;
using testing::RecordingSink;

const std::string usageObject =
    R"({"success":false,"error":"usage: OrvaneScreenTool frontmost | list | list-all | )"
    R"(window-for-bundle <bundle-id> | window-at-point <x> <y> | ocr <image-path>"})";

void expectUsageError(const std::vector<std::string>& args) {
  FakePlatform platform;
  RecordingSink out;
  RecordingSink err;
  EXPECT_EQ(runTool(args, platform, out, err), 1);
  EXPECT_TRUE(out.writes.empty());
  EXPECT_EQ(err.writes, std::vector<std::string>{usageObject + "\n"});
  EXPECT_TRUE(platform.asked.empty()) << "a usage error must not touch the platform";
}

// The whole usage matrix; the process and coordinate tests take only what they add.
TEST(Dispatch, EveryMalformedCommandLineIsUsage) {
  expectUsageError({"tool"});
  expectUsageError({});
  for (const char* name : {"", "LIST", "List", "Frontmost", "--list", "-list", "list ", " list",
                           "lis", "list-al", "window", "ocr2", "help", "--help"}) {
    expectUsageError({"tool", name});
  }
  expectUsageError({"tool", "window-for-bundle"});
  expectUsageError({"tool", "window-for-bundle", "a", "b"});
  expectUsageError({"tool", "ocr"});
  expectUsageError({"tool", "ocr", "a.png", "b.png"});
  expectUsageError({"tool", "window-at-point"});
  expectUsageError({"tool", "window-at-point", "1"});
  expectUsageError({"tool", "window-at-point", "1", "2", "3"});
  // A coordinate the coordinate rule refuses, in either place.
  expectUsageError({"tool", "window-at-point", "12abc", "1"});
  expectUsageError({"tool", "window-at-point", "1", "1,5"});
}

TEST(PrintJSON, WritesTheDocumentAndItsLineFeedInOneWrite) {
  RecordingSink out;
  printJSON(WindowResult{7, "xterm", "org.example.Term", "a/b \"c\"\n", 1, 2.5, 320, 220}, out);
  EXPECT_EQ(out.writes, std::vector<std::string>{
                            R"({"windowId":7,"owner":"xterm","bundleId":"org.example.Term",)"
                            R"("title":"a\/b \"c\"\n","x":1,"y":2.5,"width":320,)"
                            R"("height":220})"
                            "\n"});
}

TEST(PrintJSON, EncodesEveryRecordKind) {
  EXPECT_EQ(encodeJSON(std::vector<WindowResult>{}), "[]");
  EXPECT_EQ(encodeJSON(FrontmostResult{"", "Term"}), R"({"bundleId":"","name":"Term"})");
  EXPECT_EQ(encodeJSON(OCRResult{false, {}, "", 0}),
            R"({"success":false,"lines":[],"text":"","averageConfidence":0})");
  const OCRLine line{"a\nb", 0.3f, 0.1, 0.75, 0.5, 0.02};
  EXPECT_EQ(encodeJSON(OCRResult{true, {line, line}, "x", static_cast<double>(0.3f)}),
            R"({"success":true,"lines":[)"
            R"({"text":"a\nb","confidence":0.3,"x":0.1,"y":0.75,"width":0.5,"height":0.02},)"
            R"({"text":"a\nb","confidence":0.3,"x":0.1,"y":0.75,"width":0.5,"height":0.02}],)"
            R"("text":"x","averageConfidence":0.30000001192092896})");
}

TEST(PrintJSON, RefusesNonFiniteNumbersBeforeWritingAnything) {
  RecordingSink out;
  EXPECT_THROW(printJSON(WindowResult{1, "", "", "", NAN, 0, 1, 1}, out), EncodingError);
  EXPECT_THROW(printJSON(OCRResult{true, {{"t", INFINITY, 0, 0, 0, 0}}, "t", 0}, out),
               EncodingError);
  EXPECT_TRUE(out.writes.empty());
}

TEST(ReportError, WritesTheErrorObjectAndSurvivesABrokenStream) {
  RecordingSink err;
  reportError("text recognition failed", err);
  EXPECT_EQ(err.all(), "{\"success\":false,\"error\":\"text recognition failed\"}\n");
  RecordingSink broken;
  broken.broken = true;
  reportError("x", broken);  // must not throw
  EXPECT_TRUE(broken.writes.empty());
}

TEST(RunTool, AFailedWriteOfTheResultEndsWithStatusOne) {
  FakePlatform platform;
  RecordingSink out;
  out.broken = true;
  RecordingSink err;
  EXPECT_EQ(runTool({"tool", "list"}, platform, out, err), 1);
  EXPECT_TRUE(out.writes.empty());
  EXPECT_EQ(err.all(), "{\"success\":false,\"error\":\"cannot write output: Broken pipe\"}\n");
}

struct RunOutcome {
  int status;
  std::string out;
  std::string err;
};

// Runs args on a desktop of two windows: 10 in front at (0,0) 400x300 owned by process 1
// ("org.example.Front"), and 20 behind it at (100,100) 800x600 owned by process 2.
RunOutcome runOnDesktop(std::vector<std::string> args, FakePlatform& platform) {
  platform.windows.snapshot = {testing::windowEntry(10, 0, 0, 400, 300, 1, "Front"),
                               testing::windowEntry(20, 100, 100, 800, 600, 2, "Back")};
  platform.registry.ids = {{1, "org.example.Front"}};
  RecordingSink out;
  RecordingSink err;
  const int status = runTool(args, platform, out, err);
  return {status, out.all(), err.all()};
}

const char* const frontWindow =
    R"({"windowId":10,"owner":"Front","bundleId":"org.example.Front","title":"window 10",)"
    R"("x":0,"y":0,"width":400,"height":300})";
const char* const backWindow = R"({"windowId":20,"owner":"Back","bundleId":"","title":"window 20",)"
                               R"("x":100,"y":100,"width":800,"height":600})";

TEST(DispatchWindows, EachCommandPrintsItsRecordFromOneSnapshot) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"t", "list", "ignored"}, std::string("[") + frontWindow + "," + backWindow + "]\n"},
      {{"t", "list-all"}, std::string("[") + frontWindow + "," + backWindow + "]\n"},
      {{"t", "frontmost"}, "{\"bundleId\":\"org.example.Front\",\"name\":\"Front\"}\n"},
      {{"t", "window-for-bundle", "org.example.Front"}, std::string(frontWindow) + "\n"},
      {{"t", "window-for-bundle", ""}, std::string(backWindow) + "\n"},
      {{"t", "window-at-point", "400", "299.5"}, std::string(backWindow) + "\n"},
      {{"t", "window-at-point", "0x0", "-0"}, std::string(frontWindow) + "\n"},
      // The front window's bottom edge: only y = 300 there tells the point went in as (x, y).
      {{"t", "window-at-point", "150", "300"}, std::string(backWindow) + "\n"},
  };
  for (const auto& [args, expected] : cases) {
    FakePlatform platform;
    const RunOutcome run = runOnDesktop(args, platform);
    EXPECT_EQ(run.status, 0) << args[1];
    EXPECT_EQ(run.out, expected) << args[1];
    EXPECT_EQ(run.err, "") << args[1];
    EXPECT_EQ(platform.windows.snapshotsTaken, 1) << args[1];
  }
}

TEST(DispatchWindows, NoMatchIsTargetWindowNotFound) {
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"t", "window-at-point", "900", "700"},
                                             {"t", "window-at-point", "nan", "10"},
                                             {"t", "window-for-bundle", "org.example.front"}}) {
    FakePlatform platform;
    const RunOutcome run = runOnDesktop(args, platform);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "{\"success\":false,\"error\":\"target window not found\"}\n");
  }
}

TEST(DispatchOCR, TheOperandReachesTheDecoderAsGiven) {
  FakePlatform platform;
  RecordingSink out;
  RecordingSink err;
  EXPECT_EQ(runTool({"t", "ocr", " ./a b.png"}, platform, out, err), 0);
  EXPECT_EQ(platform.decoder.decoded, std::vector<std::string>{" ./a b.png"});
  EXPECT_EQ(out.all(), "{\"success\":false,\"lines\":[],\"text\":\"\",\"averageConfidence\":0}\n");
}

}  // namespace
}  // namespace orvane
