#include "platform/common/standard_sleeper.h"
#include "platform/linux/ocr_module.h"
#include "platform/linux/proc_application_registry.h"
#include "platform/system_platform.h"
#include "platform/x11/x11_window_source.h"

namespace orvane {

namespace {

class LinuxPlatform : public Platform {
 public:
  WindowSource& windowSource() override {
    if (!windows_)
      windows_ = makeX11WindowSource();
    return *windows_;
  }

  ApplicationRegistry& applicationRegistry() override {
    if (!registry_)
      registry_ = makeProcApplicationRegistry();
    return *registry_;
  }

  ImageDecoder& imageDecoder() override { return ocr().imageDecoder(); }
  TextRecognizer& textRecognizer() override { return ocr().textRecognizer(); }
  Sleeper& sleeper() override { return sleeper_; }

 private:
  OcrBackend& ocr() {
    if (!ocr_)
      ocr_ = loadOcrModule();
    return *ocr_;
  }

  std::unique_ptr<WindowSource> windows_;
  std::unique_ptr<ApplicationRegistry> registry_;
  std::unique_ptr<OcrBackend> ocr_;
  StandardSleeper sleeper_;
};

}  // namespace

std::unique_ptr<Platform> makeSystemPlatform() {
  return std::make_unique<LinuxPlatform>();
}

}  // namespace orvane
