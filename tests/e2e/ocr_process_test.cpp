// `ocr` on the built binary with the real Tesseract module, as a host runs it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "e2e/ocr_fixtures.h"
#include "e2e/ocr_output.h"
#include "support/child_process.h"
#include "support/temporary_folder.h"

namespace orvane {
namespace {

using testing::OCRFixtures;
using testing::PrintedLine;
using testing::ProcessOptions;
using testing::ProcessOutcome;
using testing::runTool;
using testing::TemporaryFolder;

const std::string invalidImage = "{\"success\":false,\"error\":\"invalid image\"}\n";

std::string fixture(const std::string& name) {
  return OCRFixtures::get().path(name);
}

ProcessOutcome ocr(const std::string& path, const ProcessOptions& options = {}) {
  return runTool({"ocr", path}, options);
}

// A successful run: status 0, nothing on stderr; returns its lines.
std::vector<PrintedLine> readLines(const ProcessOutcome& outcome) {
  EXPECT_EQ(outcome.exitStatus, 0) << outcome.err;
  EXPECT_EQ(outcome.err, "");
  EXPECT_TRUE(outcome.out.ends_with('\n')) << outcome.out;
  return testing::printedLines(outcome.out);
}

std::vector<std::string> textsOf(const std::vector<PrintedLine>& lines) {
  std::vector<std::string> texts;
  for (const PrintedLine& line : lines)
    texts.push_back(line.text);
  return texts;
}

// Pixel rows of a box in an image of the given height, counted from the top.
double topRow(const PrintedLine& line, int imageHeight) {
  return (1.0 - line.y - line.height) * imageHeight;
}
double bottomRow(const PrintedLine& line, int imageHeight) {
  return (1.0 - line.y) * imageHeight;
}

TEST(OCRProcess, ReadsEnglishLinesTopDownWithLowerLeftBoxes) {
  const auto outcome = ocr(fixture("english.png"));
  const auto lines = readLines(outcome);
  ASSERT_EQ(textsOf(lines),
            (std::vector<std::string>{"Hello World from Orvane", "Second line of text"}));
  EXPECT_EQ(testing::printedText(outcome.out), "Hello World from Orvane\nSecond line of text");
  // Drawn on a 900 x 200 canvas from x = 40, baselines at rows 70 and 150, capitals 26 px tall.
  for (const PrintedLine& line : lines) {
    EXPECT_NEAR(line.x * 900, 40, 6);
    EXPECT_GT(line.confidence, 0.5);
    EXPECT_LE(line.confidence, 1.0);
  }
  EXPECT_GT(lines[0].y, 0.5);
  EXPECT_LT(lines[1].y, 0.5);
  EXPECT_NEAR(bottomRow(lines[0], 200), 70, 4);
  EXPECT_NEAR(topRow(lines[0], 200), 44, 4);
  EXPECT_NEAR(bottomRow(lines[1], 200), 150, 4);
  EXPECT_NEAR(lines[1].width * 900, 330, 30);
}

TEST(OCRProcess, ReadsSimplifiedChinese) {
  const auto lines = readLines(ocr(fixture("chinese.png")));
  EXPECT_EQ(textsOf(lines), (std::vector<std::string>{"今天是星期一", "简体中文识别测试"}));
}

TEST(OCRProcess, RowsAtSlightlyDifferentHeightsReadLeftToRight) {
  const auto lines = readLines(ocr(fixture("rows.png")));
  ASSERT_EQ(textsOf(lines),
            (std::vector<std::string>{"LEFT WORDS", "RIGHT WORDS", "HIGH RIGHT", "LOW LEFT"}));
  // The right-hand words really are higher, so left-to-right came from the row rule.
  EXPECT_GT(lines[1].y, lines[0].y);
}

TEST(OCRProcess, ImageWithoutTextIsAnUnsuccessfulResult) {
  for (const char* name : {"blank.png", "noise.png", "gradient.png"}) {
    const auto outcome = ocr(fixture(name));
    EXPECT_EQ(outcome.exitStatus, 0) << name;
    EXPECT_EQ(outcome.out,
              "{\"success\":false,\"lines\":[],\"text\":\"\",\"averageConfidence\":0}\n")
        << name;
    EXPECT_EQ(outcome.err, "") << name;
  }
}

// Every line read whole: none of its squares was taken for a picture.
TEST(OCRProcess, SmallTextInALowQualityJPEGIsNotTakenForAPicture) {
  const auto lines = readLines(ocr(fixture("small-text.jpg")));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].text, "total 24 drwxr-xr-x 2 root root 4096 apt.conf.d");
  for (const PrintedLine& line : lines)
    EXPECT_GT(line.width, 0.5) << line.text;
}

TEST(OCRProcess, TextBesideAPictureIsReadAndThePictureIsNot) {
  const auto lines = readLines(ocr(fixture("captioned.png")));
  EXPECT_EQ(textsOf(lines), (std::vector<std::string>{"Words above a picture"}));
}

TEST(OCRProcess, ReadsOnlyTheFirstPageOrFrame) {
  for (const char* name : {"pages.tif", "frames.gif"}) {
    const auto outcome = ocr(fixture(name));
    EXPECT_EQ(textsOf(readLines(outcome)), std::vector<std::string>{"FIRST PAGE"}) << name;
  }
}

TEST(OCRProcess, OrientationTagIsNotApplied) {
  const auto stored = readLines(ocr(fixture("plain.jpg")));
  const auto tagged = readLines(ocr(fixture("turned.jpg")));
  ASSERT_EQ(textsOf(tagged), std::vector<std::string>{"FIRST PAGE"});
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(tagged[0].x, stored[0].x);
  EXPECT_EQ(tagged[0].y, stored[0].y);
  EXPECT_EQ(tagged[0].width, stored[0].width);
}

TEST(OCRProcess, RelativePathsStartAtTheWorkingDirectory) {
  ProcessOptions options;
  options.workingDirectory = OCRFixtures::get().directory();
  EXPECT_EQ(textsOf(readLines(ocr("first.png", options))), std::vector<std::string>{"FIRST PAGE"});
}

TEST(OCRProcess, LanguageDataLocationIgnoresTheEnvironment) {
  ProcessOptions options;
  options.environment = {"TESSDATA_PREFIX=/nonexistent/tessdata"};
  EXPECT_EQ(textsOf(readLines(ocr(fixture("first.png"), options))),
            std::vector<std::string>{"FIRST PAGE"});
}

void expectInvalidImage(const std::string& path) {
  const auto outcome = ocr(path);
  EXPECT_FALSE(outcome.timedOut) << path;
  EXPECT_EQ(outcome.exitStatus, 1) << path;
  EXPECT_EQ(outcome.out, "") << path;
  EXPECT_EQ(outcome.err, invalidImage) << path;
}

TEST(OCRProcess, FilesThatAreNotImagesAreInvalidImage) {
  expectInvalidImage(fixture("missing.png"));
  expectInvalidImage(fixture("notes.txt"));
  expectInvalidImage(fixture("truncated.png"));
  expectInvalidImage(fixture("empty.png"));
  expectInvalidImage("");
}

TEST(OCRProcess, SpecialFilesAreInvalidImageWithoutBlocking) {
  const std::string fifo = fixture("pipe.png");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  expectInvalidImage(fifo);
  expectInvalidImage(OCRFixtures::get().directory());
  expectInvalidImage("/dev/zero");
  expectInvalidImage("/dev/null");
}

TEST(OCRProcess, UnreadableFileIsInvalidImage) {
  if (geteuid() == 0)
    GTEST_SKIP() << "root reads every file";
  const std::string locked = OCRFixtures::get().write("locked.png", "");
  std::filesystem::copy_file(fixture("first.png"), locked,
                             std::filesystem::copy_options::overwrite_existing);
  ASSERT_EQ(chmod(locked.c_str(), 0), 0);
  expectInvalidImage(locked);
}

TEST(OCRProcess, ImagesBeyondThePixelLimitAreRefused) {
  const auto widest = ocr(fixture("widest.pgm"));
  EXPECT_EQ(widest.exitStatus, 0) << widest.err;
  EXPECT_EQ(widest.err, "");
  expectInvalidImage(fixture("too-wide.pgm"));
}

// What the dynamic loader reported about one run: the tool keeps descriptor 2 for its own
// error object, so the loader writes to files instead.
std::string loaderReport(const std::vector<std::string>& arguments) {
  const TemporaryFolder folder("loader-report");
  ProcessOptions options;
  options.environment = {"DISPLAY", "WAYLAND_DISPLAY", "LD_DEBUG=libs",
                         "LD_DEBUG_OUTPUT=" + (folder.path() / "ld").string()};
  runTool(arguments, options);
  std::ostringstream report;
  for (const auto& file : std::filesystem::directory_iterator(folder.path()))
    report << std::ifstream(file.path()).rdbuf();
  return report.str();
}

TEST(OCRProcess, WindowCommandsDoNotLoadTheRecogniser) {
  const std::string list = loaderReport({"list"});
  EXPECT_NE(list.find("calling fini"), std::string::npos) << "the probe printed nothing";
  EXPECT_EQ(list.find("libtesseract"), std::string::npos);
  EXPECT_EQ(list.find("liblept"), std::string::npos);
  // The same probe does see the libraries when `ocr` loads them.
  EXPECT_NE(loaderReport({"ocr", fixture("first.png")}).find("libtesseract"), std::string::npos);
}

}  // namespace
}  // namespace orvane
