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

// The tool's own failures, each with a fixed message.
class ToolError : public Error {
 public:
  enum class Case { usage, windowNotFound, invalidImage, recognitionFailed };

  explicit ToolError(Case which);

  static ToolError usage() { return ToolError(Case::usage); }
  static ToolError windowNotFound() { return ToolError(Case::windowNotFound); }
  static ToolError invalidImage() { return ToolError(Case::invalidImage); }
  static ToolError recognitionFailed() { return ToolError(Case::recognitionFailed); }

  Case which() const { return which_; }

 private:
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

extern const char* const usageText;

}  // namespace orvane
