// The entry point of the text recognition module, which the tool loads only for `ocr`. Every
// function of the interface catches whatever the backend throws and hands back plain data.
#include <algorithm>
#include <cstring>
#include <exception>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "platform/ocr_module_interface.h"
#include "platform/tesseract/leptonica_decoder.h"
#include "platform/tesseract/leptonica_messages.h"
#include "platform/tesseract/tesseract_recognizer.h"

struct OrvaneOCRImage {
  std::unique_ptr<orvane::DecodedImage> decoded;
};

struct OrvaneOCRResults {
  std::vector<orvane::TextObservation> kept;
  std::vector<OrvaneOCRObservation> observations;
};

namespace orvane {

namespace {

void describe(OrvaneOCRError* error, const char* message) {
  const std::size_t length = std::min(std::strlen(message), sizeof error->message - 1);
  std::memcpy(error->message, message, length);
  error->message[length] = '\0';
}

// Runs body, turning anything it throws into orvaneOCRFailed and its description.
template <typename Body>
OrvaneOCRStatus guarded(OrvaneOCRError* error, Body body) noexcept {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    describe(error, "out of memory");
  } catch (const std::exception& failure) {
    describe(error, failure.what());
  } catch (...) {
    describe(error, "unknown error in the text recognition module");
  }
  return orvaneOCRFailed;
}

OrvaneOCRStatus decodeFirstImage(const char* path, OrvaneOCRImage** image,
                                 OrvaneOCRError* error) noexcept {
  return guarded(error, [&] {
    LeptonicaDecoder decoder;
    std::unique_ptr<DecodedImage> decoded = decoder.decodeFirstImage(path);
    if (!decoded)
      return orvaneOCREmpty;
    *image = new OrvaneOCRImage{std::move(decoded)};
    return orvaneOCRDone;
  });
}

void releaseImage(OrvaneOCRImage* image) noexcept {
  delete image;
}

OrvaneOCRObservation plainObservation(const TextObservation& observation) {
  const NormalizedBox& box = observation.boundingBox;
  const std::optional<RecognizedText>& candidate = observation.topCandidate;
  return {box.x,
          box.y,
          box.width,
          box.height,
          candidate ? candidate->string.c_str() : nullptr,
          candidate ? candidate->string.size() : 0,
          candidate ? candidate->confidence : 0.0f};
}

OrvaneOCRStatus recognizeText(const OrvaneOCRImage* image, OrvaneOCRResults** results,
                              const OrvaneOCRObservation** observations, std::size_t* count,
                              OrvaneOCRError* error) noexcept {
  return guarded(error, [&] {
    TesseractRecognizer recognizer(ORVANE_TESSDATA_DIR);
    std::optional<std::vector<TextObservation>> found = recognizer.recognizeText(*image->decoded);
    if (!found)
      return orvaneOCREmpty;
    auto made = std::make_unique<OrvaneOCRResults>();
    made->kept = std::move(*found);
    for (const TextObservation& observation : made->kept)
      made->observations.push_back(plainObservation(observation));
    *observations = made->observations.data();
    *count = made->observations.size();
    *results = made.release();
    return orvaneOCRDone;
  });
}

void releaseResults(OrvaneOCRResults* results) noexcept {
  delete results;
}

constexpr OrvaneOCRModuleInterface moduleInterface = {ocrModuleInterfaceVersion, decodeFirstImage,
                                                      releaseImage, recognizeText, releaseResults};

}  // namespace

}  // namespace orvane

extern "C" __attribute__((visibility("default"))) const OrvaneOCRModuleInterface*
orvane_ocr_module_interface() noexcept {
  orvane::silenceLeptonica();
  return &orvane::moduleInterface;
}
