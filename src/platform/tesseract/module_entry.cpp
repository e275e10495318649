// The entry point of the text recognition module, which the tool loads only for `ocr`.
#include "platform/ocr_module_entry.h"
#include "platform/tesseract/leptonica_decoder.h"
#include "platform/tesseract/quiet_stderr.h"
#include "platform/tesseract/tesseract_recognizer.h"

namespace orvane {

namespace {

class TesseractBackend : public OcrBackend {
 public:
  ImageDecoder& imageDecoder() override { return decoder_; }
  TextRecognizer& textRecognizer() override { return recognizer_; }

 private:
  LeptonicaDecoder decoder_;
  TesseractRecognizer recognizer_{ORVANE_TESSDATA_DIR};
};

}  // namespace

}  // namespace orvane

extern "C" __attribute__((visibility("default"))) orvane::OcrBackend*
orvane_create_ocr_backend_v1() noexcept {
  try {
    orvane::silenceLeptonica();
    return new orvane::TesseractBackend();
  } catch (...) {
    return nullptr;
  }
}
