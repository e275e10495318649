#pragma once

#include <stdexcept>
#include <string>

namespace orvane {

// Every failure of a run is thrown as an Error and caught once, in runTool; its what() is the
// message the error object carries.
class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The tool's own failures, each with a fixed message. The usage message is the command line's
// summary, which only the command table knows, so the dispatcher hands it over.
class ToolError : public Error {
 public:
  enum class Case { usage, windowNotFound, invalidImage, recognitionFailed };

  static ToolError usage(const std::string& usageText) { return {Case::usage, usageText}; }
  static ToolError windowNotFound() { return {Case::windowNotFound, "target window not found"}; }
  static ToolError invalidImage() { return {Case::invalidImage, "invalid image"}; }
  static ToolError recognitionFailed() {
    return {Case::recognitionFailed, "text recognition failed"};
  }

  Case which() const { return which_; }

 private:
  ToolError(Case which, const std::string& message) : Error(message), which_(which) {}

  Case which_;
};

// A failure that a platform service reported (the text recogniser, the module loader, a write);
// the message is that service's own description.
class PlatformError : public Error {
 public:
  using Error::Error;
};

// The JSON writer's refusal of a value it cannot represent (a non-finite number).
class EncodingError : public Error {
 public:
  using Error::Error;
};

}  // namespace orvane
