#pragma once

#include "ocr/text_recognition.h"
#include "windows/window_source.h"

namespace orvane {

// Everything a run may need from the machine. Each service is made the first time a command
// asks for it, so a usage error touches nothing and a window query never loads the recogniser.
// A service that cannot be made throws an Error.
class Platform {
 public:
  virtual ~Platform() = default;

  virtual WindowSource& windowSource() = 0;
  virtual ApplicationRegistry& applicationRegistry() = 0;
  virtual ImageDecoder& imageDecoder() = 0;
  virtual TextRecognizer& textRecognizer() = 0;
  virtual Sleeper& sleeper() = 0;
};

// Where the tool's two documents go. write sends all of bytes or throws an Error.
class OutputSink {
 public:
  virtual ~OutputSink() = default;
  virtual void write(std::string_view bytes) = 0;
};

}  // namespace orvane
