#pragma once

#include <string>

#include "ocr/text_recognition.h"

namespace orvane {

// Simplified Chinese as the main language, English as the second.
inline constexpr const char* recognitionLanguages = "chi_sim+eng";

// Reads text with Tesseract's LSTM engine, dictionary correction on, one best reading per line.
// Each attempt starts a fresh engine on the language data in dataDirectory, which is never taken
// from the environment. A failure throws PlatformError saying what went wrong.
class TesseractRecognizer : public TextRecognizer {
 public:
  explicit TesseractRecognizer(std::string dataDirectory)
      : dataDirectory_(std::move(dataDirectory)) {}
  std::optional<std::vector<TextObservation>> recognizeText(const DecodedImage& image) override;

 private:
  std::string dataDirectory_;
};

}  // namespace orvane
