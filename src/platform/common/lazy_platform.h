#pragma once

#include <functional>
#include <memory>

#include "platform/common/standard_sleeper.h"
#include "platform/ocr_backend.h"
#include "platform/platform.h"

namespace orvane {

// How a backend makes each of its services.
struct PlatformFactories {
  std::function<std::unique_ptr<WindowSource>()> makeWindowSource;
  std::function<std::unique_ptr<ApplicationRegistry>()> makeApplicationRegistry;
  std::function<std::unique_ptr<OCRBackend>()> makeOCRBackend;
};

// Makes each service the first time a command asks for it and keeps it for the run, so a window
// query never loads the recogniser and a usage error touches nothing.
class LazyPlatform : public Platform {
 public:
  explicit LazyPlatform(PlatformFactories factories) : factories_(std::move(factories)) {}

  WindowSource& windowSource() override {
    if (!windows_)
      windows_ = factories_.makeWindowSource();
    return *windows_;
  }

  ApplicationRegistry& applicationRegistry() override {
    if (!registry_)
      registry_ = factories_.makeApplicationRegistry();
    return *registry_;
  }

  ImageDecoder& imageDecoder() override { return ocr().imageDecoder(); }
  TextRecognizer& textRecognizer() override { return ocr().textRecognizer(); }
  Sleeper& sleeper() override { return sleeper_; }

 private:
  OCRBackend& ocr() {
    if (!ocr_)
      ocr_ = factories_.makeOCRBackend();
    return *ocr_;
  }

  PlatformFactories factories_;
  std::unique_ptr<WindowSource> windows_;
  std::unique_ptr<ApplicationRegistry> registry_;
  std::unique_ptr<OCRBackend> ocr_;
  StandardSleeper sleeper_;
};

}  // namespace orvane
