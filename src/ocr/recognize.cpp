#include "ocr/recognize.h"

#include <exception>
#include <optional>
#include <utility>

#include "base/tool_error.h"
#include "ocr/reading_order.h"

namespace orvane {

namespace {

constexpr int maximumAttempts = 3;
// The pause after a failed attempt n (n < maximumAttempts) is n times this.
constexpr double pauseStepSeconds = 0.12;
constexpr const char* lineSeparator = "\n";

std::vector<OCRLine> linesOf(const std::vector<TextObservation>& observations) {
  std::vector<OCRLine> lines;
  for (const TextObservation& observation : observations) {
    if (!observation.topCandidate)
      continue;
    const NormalizedBox& box = observation.boundingBox;
    lines.push_back(OCRLine{observation.topCandidate->string, observation.topCandidate->confidence,
                            box.x, box.y, box.width, box.height});
  }
  return lines;
}

OCRResult resultOf(std::vector<OCRLine> lines) {
  sortIntoReadingOrder(lines);
  std::string text;
  double sum = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0)
      text += lineSeparator;
    text += lines[i].text;
    sum += static_cast<double>(lines[i].confidence);
  }
  const double average = lines.empty() ? 0.0 : sum / static_cast<double>(lines.size());
  const bool success = !lines.empty();
  return OCRResult{success, std::move(lines), std::move(text), average};
}

}  // namespace

OCRResult recognize(const std::string& path, ImageDecoder& decoder, TextRecognizer& recognizer,
                    Sleeper& sleeper) {
  const std::unique_ptr<DecodedImage> image = decoder.decodeFirstImage(path);
  if (!image)
    throw ToolError::invalidImage();

  std::exception_ptr lastError;
  for (int attempt = 1; attempt <= maximumAttempts; ++attempt) {
    std::optional<std::vector<TextObservation>> observations;
    try {
      observations = recognizer.recognizeText(*image);
    } catch (const Error&) {
      lastError = std::current_exception();
      if (attempt < maximumAttempts)
        sleeper.sleepFor(attempt * pauseStepSeconds);
      continue;
    }
    if (observations)
      return resultOf(linesOf(*observations));
  }
  if (lastError)
    std::rethrow_exception(lastError);
  throw ToolError::recognitionFailed();
}

}  // namespace orvane
