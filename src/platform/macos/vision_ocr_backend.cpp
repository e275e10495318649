#include "platform/macos/vision_ocr_backend.h"

#include "platform/macos/imageio_decoder.h"
#include "platform/macos/vision_recognizer.h"

namespace orvane {

namespace {

class VisionOCRBackend : public OCRBackend {
 public:
  ImageDecoder& imageDecoder() override { return *decoder_; }
  TextRecognizer& textRecognizer() override { return *recognizer_; }

 private:
  std::unique_ptr<ImageDecoder> decoder_ = makeImageIoDecoder();
  std::unique_ptr<TextRecognizer> recognizer_ = makeVisionRecognizer();
};

}  // namespace

std::unique_ptr<OCRBackend> makeVisionOCRBackend() {
  return std::make_unique<VisionOCRBackend>();
}

}  // namespace orvane
