#include "cli/tool_error.h"

namespace orvane {

const char* const usageText =
    "usage: OrvaneScreenTool frontmost | list | list-all | window-for-bundle <bundle-id> | "
    "window-at-point <x> <y> | ocr <image-path>";

namespace {

const char* messageFor(ToolError::Case which) {
  switch (which) {
    case ToolError::Case::usage:
      return usageText;
    case ToolError::Case::windowNotFound:
      return "target window not found";
    case ToolError::Case::invalidImage:
      return "invalid image";
    case ToolError::Case::recognitionFailed:
      return "text recognition failed";
  }
  return "unknown error";
}

}  // namespace

ToolError::ToolError(Case which) : Error(messageFor(which)), which_(which) {}

}  // namespace orvane
