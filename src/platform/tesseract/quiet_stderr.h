#pragma once

namespace orvane {

// Points descriptor 2 at /dev/null for its lifetime and then puts the original back. Tesseract and
// the image libraries under Leptonica print warnings straight to stderr, which belongs to the
// error object alone. If the original cannot be kept aside, nothing is redirected.
class QuietStandardError {
 public:
  QuietStandardError();
  ~QuietStandardError();
  QuietStandardError(const QuietStandardError&) = delete;
  QuietStandardError& operator=(const QuietStandardError&) = delete;

 private:
  int saved_ = -1;
};

// Turns off Leptonica's own messages for the whole process.
void silenceLeptonica();

}  // namespace orvane
