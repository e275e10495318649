#include "platform/tesseract/tesseract_recognizer.h"

#include <allheaders.h>
#include <tesseract/baseapi.h>
#include <unistd.h>
#include <sstream>

#include "base/tool_error.h"
#include "platform/tesseract/image_preparation.h"
#include "platform/tesseract/leptonica_image.h"
#include "platform/tesseract/text_lines.h"

namespace orvane {

namespace {

// Tesseract's own messages go nowhere; the descriptor redirect catches what bypasses this.
const std::vector<std::string> quietNames = {"debug_file"};
const std::vector<std::string> quietValues = {"/dev/null"};

std::vector<std::string> languageCodes() {
  std::vector<std::string> codes;
  std::istringstream list(recognitionLanguages);
  for (std::string code; std::getline(list, code, '+');)
    codes.push_back(code);
  return codes;
}

void requireLanguageData(const std::string& directory) {
  for (const std::string& code : languageCodes()) {
    const std::string file = directory + "/" + code + ".traineddata";
    if (access(file.c_str(), R_OK) != 0) {
      throw PlatformError("Tesseract language data \"" + code + "\" is missing: cannot read " +
                          file);
    }
  }
}

void startEngine(tesseract::TessBaseAPI& api, const std::string& directory) {
  if (api.Init(directory.c_str(), recognitionLanguages, tesseract::OEM_LSTM_ONLY, nullptr, 0,
               &quietNames, &quietValues, false) != 0) {
    throw PlatformError(std::string("Tesseract could not start with the language data \"") +
                        recognitionLanguages + "\" in " + directory);
  }
  // One uniform block of text: page layout analysis splits a terminal's aligned fields into
  // columns and reads widely spaced Chinese characters as noise; the lines it would find are put
  // into reading order by row afterwards anyway.
  api.SetPageSegMode(tesseract::PSM_SINGLE_BLOCK);
}

}  // namespace

std::optional<std::vector<TextObservation>> TesseractRecognizer::recognizeText(
    const DecodedImage& image) {
  const auto* stored = dynamic_cast<const LeptonicaImage*>(&image);
  if (stored == nullptr)
    throw PlatformError("the image was not decoded by the Tesseract backend");
  requireLanguageData(dataDirectory_);
  PixPointer grey = greyForRecognition(stored->pix());
  if (!grey)
    throw PlatformError("not enough memory to prepare the image for Tesseract");
  // Decided first and cheaply: an image without text is an empty reading, without loading the
  // language models.
  const TileSurvey tiles = surveyTiles(grey.get());
  if (!tiles.anyText())
    return std::vector<TextObservation>{};
  tesseract::TessBaseAPI api;
  startEngine(api, dataDirectory_);
  PixPointer prepared = prepareForRecognition(std::move(grey), tiles);
  if (!prepared)
    throw PlatformError("not enough memory to prepare the image for Tesseract");
  const int width = pixGetWidth(prepared.get());
  const int height = pixGetHeight(prepared.get());
  // Tesseract keeps its own copy; ours would only add to the peak.
  api.SetImage(prepared.get());
  prepared.reset();
  if (api.Recognize(nullptr) != 0)
    throw PlatformError("Tesseract could not recognise the image");
  return readTextLines(api, width, height);
}

}  // namespace orvane
