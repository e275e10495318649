// Recognition accuracy on part of the evaluation corpus in bench/corpus, and the scorer it uses.
#include <gtest/gtest.h>
#include <fstream>
#include <iterator>

#include "cer.h"
#include "json_text.h"
#include "support/child_process.h"

namespace orvane {
namespace {

using bench::characterErrors;
using bench::topLevelText;

TEST(CharacterErrorRate, CountsCodePointEditsAfterFoldingWhiteSpace) {
  EXPECT_EQ(characterErrors("one two\nthree", "one  two three").edits, 0u);
  EXPECT_EQ(characterErrors("  one\n\n", "one").edits, 0u);
  EXPECT_EQ(characterErrors("abc", "abd").edits, 1u);
  EXPECT_EQ(characterErrors("abc", "").edits, 3u);
  EXPECT_EQ(characterErrors("", "xy").edits, 2u);
  // Chinese characters are one code point each, and a space between them is an error.
  const auto chinese = characterErrors("今天是星期一", "今天 是星期二");
  EXPECT_EQ(chinese.reference, 6u);
  EXPECT_EQ(chinese.edits, 2u);
  EXPECT_DOUBLE_EQ(characterErrors("abcd", "abce").rate(), 0.25);
  EXPECT_EQ(characterErrors("a\xff", "a\xff").edits, 0u);
}

TEST(CharacterErrorRate, ReadsTheTopLevelTextOfTheToolsOutput) {
  const std::string document =
      R"({"success":true,"lines":[{"text":"x\"y","confidence":0.5,"x":0,"y":0,"width":1,)"
      R"("height":1}],"text":"a\nb \u4eca\/\ud83d\ude00","averageConfidence":0.5})";
  EXPECT_EQ(topLevelText(document), "a\nb \xe4\xbb\x8a/\xf0\x9f\x98\x80");
  EXPECT_EQ(topLevelText(R"({"success":false,"error":"invalid image"})"), std::nullopt);
  EXPECT_EQ(topLevelText(""), std::nullopt);
}

std::string readAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

struct CorpusImage {
  const char* name;
  double bound;  // a margin above the tool's rate when it was recorded
};

// Screenshots that the tesseract CLI reads badly (small bitmap font, light on dark, widely set
// Chinese, a dialog with framed buttons, windows on a dark desktop with text at their edges, light
// title text on a mid-tone title bar, a GTK table, an icon beside Chinese text) and a Chinese
// document page. When the bounds
// were recorded the tool scored 3.2% on the first six together (5.0%, 2.2%, 0%, 3.6%, 0.8%, 3.6%)
// and the CLI 42.5%; the demo desktop scored 12.8%, 32.6% before its title was read; the GTK list
// of downloads 2.5% (the CLI 42.2%), the dark Chinese question with its icon 10.7% (the CLI
// 35.7%; 89.3% before icons beside text were whitened).
TEST(CorpusAccuracy, CharacterErrorRateStaysWithinTheRecordedBounds) {
  constexpr double recordedBound = 0.045;
  const CorpusImage images[] = {
      {"term.fixed-6x13", 0.08},
      {"dark.noto-9", 0.04},
      {"zh-window.light-12", 0.03},
      {"dialog.save", 0.08},
      {"doc.zh-serif", 0.02},
      {"desktop.two-terminals-1280x800", 0.045},
      {"desktop.demo-1280x800", 0.17},
      {"dialog.gtk-downloads", 0.06},
      {"zh-window.gtk-dark-question", 0.15},
  };
  std::size_t edits = 0, reference = 0;
  for (const CorpusImage& image : images) {
    const std::string base = std::string(ORVANE_CORPUS_DIR) + "/" + image.name;
    const auto outcome = testing::runTool({"ocr", base + ".png"});
    ASSERT_EQ(outcome.exitStatus, 0)
        << image.name << (outcome.timedOut ? " timed out" : "") << ": " << outcome.err;
    const auto errors = characterErrors(readAll(base + ".txt"), topLevelText(outcome.out).value());
    EXPECT_LE(errors.rate(), image.bound) << image.name;
    edits += errors.edits;
    reference += errors.reference;
  }
  ASSERT_GT(reference, 0u);
  EXPECT_LE(static_cast<double>(edits) / static_cast<double>(reference), recordedBound);
}

}  // namespace
}  // namespace orvane
