#include "platform/common/standard_sleeper.h"
#include "platform/macos/cg_window_source.h"
#include "platform/macos/running_application_registry.h"
#include "platform/macos/vision_ocr_backend.h"
#include "platform/system_platform.h"

namespace orvane {

namespace {

class MacPlatform : public Platform {
 public:
  WindowSource& windowSource() override {
    if (!windows_)
      windows_ = makeCgWindowSource();
    return *windows_;
  }

  ApplicationRegistry& applicationRegistry() override {
    if (!registry_)
      registry_ = makeRunningApplicationRegistry();
    return *registry_;
  }

  ImageDecoder& imageDecoder() override { return ocr().imageDecoder(); }
  TextRecognizer& textRecognizer() override { return ocr().textRecognizer(); }
  Sleeper& sleeper() override { return sleeper_; }

 private:
  OcrBackend& ocr() {
    if (!ocr_)
      ocr_ = makeVisionOcrBackend();
    return *ocr_;
  }

  std::unique_ptr<WindowSource> windows_;
  std::unique_ptr<ApplicationRegistry> registry_;
  std::unique_ptr<OcrBackend> ocr_;
  StandardSleeper sleeper_;
};

}  // namespace

std::unique_ptr<Platform> makeSystemPlatform() {
  return std::make_unique<MacPlatform>();
}

}  // namespace orvane
