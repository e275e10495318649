#include "ocr/recognize.h"

#include <gtest/gtest.h>

#include "base/json_writer.h"
#include "base/tool_error.h"
#include "support/fakes.h"

namespace orvane {
namespace {

using testing::AttemptFailure;
using testing::FakeDecoder;
using testing::FakeRecognizer;
using testing::FakeSleeper;
using testing::ScriptedAttempt;

using Observations = std::vector<TextObservation>;

const ScriptedAttempt noResults = std::optional<Observations>{};

ScriptedAttempt results(Observations observations) {
  return std::optional<Observations>{std::move(observations)};
}

TextObservation observation(std::string text, float confidence, NormalizedBox box) {
  return TextObservation{box, RecognizedText{std::move(text), confidence}};
}

TextObservation withoutCandidate(NormalizedBox box) {
  return TextObservation{box, std::nullopt};
}

struct Recognition {
  FakeDecoder decoder;
  FakeRecognizer recognizer;
  FakeSleeper sleeper;

  explicit Recognition(std::vector<ScriptedAttempt> script) : recognizer(std::move(script)) {}
  OCRResult operator()() { return recognize("shot.png", decoder, recognizer, sleeper); }

  // The message of what the run threw.
  std::string failure() {
    try {
      (*this)();
    } catch (const Error& error) {
      return error.what();
    }
    ADD_FAILURE() << "recognize did not throw";
    return {};
  }
};

TEST(RecognizeAttempts, UndecodableImageIsInvalidImageWithoutAnAttempt) {
  Recognition run({results({})});
  run.decoder.invalidPaths = {"shot.png"};
  EXPECT_THROW(run(), ToolError);
  EXPECT_EQ(run.failure(), "invalid image");
  EXPECT_EQ(run.recognizer.attempts, 0u);
  EXPECT_TRUE(run.sleeper.pauses.empty());
}

struct AttemptCase {
  const char* name;
  std::vector<ScriptedAttempt> script;
  std::string thrown;  // empty when a result comes back
  std::size_t attempts;
  std::vector<double> pauses;
};

TEST(RecognizeAttempts, EveryPathOfTheAttemptLoop) {
  const ScriptedAttempt found = results({observation("ok", 1.0f, {0, 0, 1, 1})});
  const std::vector<AttemptCase> cases = {
      {"results at once", {found, AttemptFailure{"never"}}, "", 1, {}},
      {"results after a failure", {AttemptFailure{"busy"}, found}, "", 2, {0.12}},
      {"results after two failures",
       {AttemptFailure{"a"}, AttemptFailure{"b"}, found},
       "",
       3,
       {0.12, 0.24}},
      {"failing every time",
       {AttemptFailure{"first"}, AttemptFailure{"second"}, AttemptFailure{"third"}},
       "third",
       3,
       {0.12, 0.24}},
      {"absent every time", {noResults}, "text recognition failed", 3, {}},
      {"a failure outlives absent results",
       {AttemptFailure{"engine crashed"}, noResults, noResults},
       "engine crashed",
       3,
       {0.12}},
      {"the pause follows the attempt number",
       {noResults, AttemptFailure{"second"}, noResults},
       "second",
       3,
       {0.24}},
  };
  for (const AttemptCase& c : cases) {
    SCOPED_TRACE(c.name);
    Recognition run(c.script);
    if (c.thrown.empty())
      EXPECT_EQ(run().text, "ok");
    else
      EXPECT_EQ(run.failure(), c.thrown);
    EXPECT_EQ(run.decoder.decoded, (std::vector<std::string>{"shot.png"}));
    EXPECT_EQ(run.recognizer.attempts, c.attempts);
    EXPECT_EQ(run.sleeper.pauses, c.pauses);
  }
}

TEST(RecognizeResult, EmptyListOrNoCandidatesIsAnEmptyResultNotAFailure) {
  for (const Observations& observations : {Observations{}, Observations{withoutCandidate({})}}) {
    Recognition run({results(observations)});
    const OCRResult result = run();
    EXPECT_FALSE(result.success);
    EXPECT_TRUE(result.lines.empty());
    EXPECT_EQ(result.text, "");
    EXPECT_EQ(result.averageConfidence, 0.0);
    EXPECT_EQ(run.recognizer.attempts, 1u);
  }
}

TEST(RecognizeResult, WorkedExampleIsOrderedJoinedAndAveraged) {
  Recognition run({results({
      observation("A", 0.5f, {0.5, 0.80, 0.2, 0.04}),
      withoutCandidate({0.0, 0.99, 0.1, 0.01}),
      observation("B", 1.0f, {0.1, 0.805, 0.2, 0.04}),
      observation("C", 0.75f, {0.0, 0.70, 0.3, 0.04}),
  })});
  const OCRResult result = run();
  EXPECT_TRUE(result.success);
  ASSERT_EQ(result.lines.size(), 3u);
  EXPECT_EQ(result.text, "B\nA\nC");
  EXPECT_EQ(result.averageConfidence, 0.75);
  // Boxes pass through unchanged: lower-left origin, fractions.
  const OCRLine& b = result.lines[0];
  EXPECT_EQ(b.text, "B");
  EXPECT_EQ(b.confidence, 1.0f);
  EXPECT_EQ(b.x, 0.1);
  EXPECT_EQ(b.y, 0.805);
  EXPECT_EQ(b.width, 0.2);
  EXPECT_EQ(b.height, 0.04);
}

TEST(RecognizeResult, EmptyAndUntrimmedTextsAreKept) {
  Recognition run({results({
      observation(" top ", 0.5f, {0, 0.9, 1, 0.05}),
      observation("", 0.0f, {0, 0.5, 1, 0.05}),
      observation("bottom", 1.0f, {0, 0.1, 1, 0.05}),
  })});
  const OCRResult result = run();
  EXPECT_EQ(result.lines.size(), 3u);
  EXPECT_EQ(result.text, " top \n\nbottom");
  EXPECT_EQ(result.averageConfidence, 0.5);
}

TEST(RecognizeResult, AverageWidensTheSinglePrecisionConfidence) {
  Recognition run({results({observation("x", 0.3f, {0, 0, 1, 1})})});
  const OCRResult result = run();
  EXPECT_EQ(result.averageConfidence, 0.30000001192092896);
  JSONWriter writer;
  writeJSON(writer, result);
  EXPECT_EQ(writer.text(),
            R"({"success":true,"lines":[{"text":"x","confidence":0.3,"x":0,"y":0,"width":1,)"
            R"("height":1}],"text":"x","averageConfidence":0.30000001192092896})");
}

}  // namespace
}  // namespace orvane
