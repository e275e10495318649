#include "platform/tesseract/text_lines.h"

#include <tesseract/baseapi.h>
#include <tesseract/resultiterator.h>
#include <memory>
#include <optional>
#include <string>

#include "platform/tesseract/chinese_punctuation.h"

namespace orvane {

namespace {

constexpr auto lineLevel = tesseract::RIL_TEXTLINE;

// Tesseract reports confidence as a percentage.
float unitConfidence(float percent) {
  const float fraction = percent / 100.0f;
  if (!(fraction > 0.0f))
    return 0.0f;
  return fraction > 1.0f ? 1.0f : fraction;
}

std::optional<RecognizedText> bestCandidate(const tesseract::ResultIterator& line) {
  const std::unique_ptr<char[]> text(line.GetUTF8Text(lineLevel));
  if (!text)
    return std::nullopt;
  std::string string(text.get());
  // Every line ends with a line feed, and the last line of a paragraph with a second one.
  while (!string.empty() && string.back() == '\n')
    string.pop_back();
  return RecognizedText{chinesePunctuation(string), unitConfidence(line.Confidence(lineLevel))};
}

}  // namespace

NormalizedBox normalizedBox(const PixelBox& box, int imageWidth, int imageHeight) {
  const double w = imageWidth;
  const double h = imageHeight;
  return NormalizedBox{box.left / w, (h - box.bottom) / h, (box.right - box.left) / w,
                       (box.bottom - box.top) / h};
}

std::vector<TextObservation> readTextLines(tesseract::TessBaseAPI& api, int imageWidth,
                                           int imageHeight) {
  std::vector<TextObservation> lines;
  const std::unique_ptr<tesseract::ResultIterator> line(api.GetIterator());
  if (!line)
    return lines;
  do {
    PixelBox box{};
    if (line->Empty(lineLevel) ||
        !line->BoundingBox(lineLevel, &box.left, &box.top, &box.right, &box.bottom))
      continue;
    lines.push_back({normalizedBox(box, imageWidth, imageHeight), bestCandidate(*line)});
  } while (line->Next(lineLevel));
  return lines;
}

}  // namespace orvane
