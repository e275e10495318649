#pragma once

#include <chrono>
#include <thread>

#include "ocr/text_recognition.h"

namespace orvane {

class StandardSleeper : public Sleeper {
 public:
  void sleepFor(double seconds) override {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
  }
};

}  // namespace orvane
