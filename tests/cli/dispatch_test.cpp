#include <gtest/gtest.h>
#include <cmath>

#include "cli/commands.h"
#include "cli/output.h"
#include "cli/run_tool.h"
#include "cli/tool_error.h"
#include "support/fakes.h"

namespace orvane {
namespace {

using testing::FakePlatform;
using testing::RecordingSink;

const std::string usageObject = std::string(R"({"success":false,"error":")") + usageText + "\"}";

void expectUsageError(const std::vector<std::string>& args) {
  FakePlatform platform;
  RecordingSink out;
  RecordingSink err;
  EXPECT_EQ(runTool(args, platform, out, err), 1);
  EXPECT_TRUE(out.writes.empty());
  ASSERT_EQ(err.writes.size(), 2u);
  EXPECT_EQ(err.writes[0], usageObject);
  EXPECT_EQ(err.writes[1], "\n");
  EXPECT_TRUE(platform.asked.empty()) << "a usage error must not touch the platform";
}

TEST(CommandTable, ListsTheCommandsInUsageOrder) {
  std::vector<std::string_view> names;
  for (const Command& command : commandTable)
    names.push_back(command.name);
  EXPECT_EQ(names, (std::vector<std::string_view>{"frontmost", "list", "list-all",
                                                  "window-for-bundle", "window-at-point", "ocr"}));
  EXPECT_EQ(std::string(usageText).size(), 128u);
}

TEST(Dispatch, MissingOrUnknownCommandIsUsage) {
  expectUsageError({"tool"});
  expectUsageError({});
  for (const char* name : {"", "LIST", "List", "--list", "-list", "list ", " list", "lis",
                           "list-al", "window", "ocr2", "help", "--help"}) {
    expectUsageError({"tool", name});
  }
}

TEST(Dispatch, WrongOperandCountsAreUsage) {
  expectUsageError({"tool", "window-for-bundle"});
  expectUsageError({"tool", "window-for-bundle", "a", "b"});
  expectUsageError({"tool", "ocr"});
  expectUsageError({"tool", "ocr", "a.png", "b.png"});
  expectUsageError({"tool", "window-at-point"});
  expectUsageError({"tool", "window-at-point", "1"});
  expectUsageError({"tool", "window-at-point", "1", "2", "3"});
}

TEST(Dispatch, UnreadableCoordinatesAreUsage) {
  for (const auto& [x, y] : std::vector<std::pair<const char*, const char*>>{{"12abc", "1"},
                                                                             {"1", "12abc"},
                                                                             {"1,5", "2"},
                                                                             {"12 px", "2"},
                                                                             {"", "2"},
                                                                             {"1", ""},
                                                                             {" 1", "2"},
                                                                             {"1", "2 "}}) {
    expectUsageError({"tool", "window-at-point", x, y});
  }
}

TEST(PrintJson, WritesTheDocumentThenOneLineFeed) {
  RecordingSink out;
  printJSON(WindowResult{7, "xterm", "org.example.Term", "a/b \"c\"\n", 1, 2.5, 320, 220}, out);
  ASSERT_EQ(out.writes.size(), 2u);
  EXPECT_EQ(out.writes[0], R"({"windowId":7,"owner":"xterm","bundleId":"org.example.Term",)"
                           R"("title":"a\/b \"c\"\n","x":1,"y":2.5,"width":320,"height":220})");
  EXPECT_EQ(out.writes[1], "\n");
}

TEST(PrintJson, EncodesEveryRecordKind) {
  EXPECT_EQ(encodeJson(std::vector<WindowResult>{}), "[]");
  EXPECT_EQ(encodeJson(FrontmostResult{"", "Term"}), R"({"bundleId":"","name":"Term"})");
  EXPECT_EQ(encodeJson(OCRResult{false, {}, "", 0}),
            R"({"success":false,"lines":[],"text":"","averageConfidence":0})");
  const OCRLine line{"a\nb", 0.3f, 0.1, 0.75, 0.5, 0.02};
  EXPECT_EQ(encodeJson(OCRResult{true, {line, line}, "x", static_cast<double>(0.3f)}),
            R"({"success":true,"lines":[)"
            R"({"text":"a\nb","confidence":0.3,"x":0.1,"y":0.75,"width":0.5,"height":0.02},)"
            R"({"text":"a\nb","confidence":0.3,"x":0.1,"y":0.75,"width":0.5,"height":0.02}],)"
            R"("text":"x","averageConfidence":0.30000001192092896})");
}

TEST(PrintJson, RefusesNonFiniteNumbersBeforeWritingAnything) {
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
  EXPECT_NE(err.all().find("\"success\":false"), std::string::npos);
}

}  // namespace
}  // namespace orvane
